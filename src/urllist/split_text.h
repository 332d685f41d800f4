#pragma once
// Splitting a list text into pieces at a delimiter, byte-wise and aware of
// two-byte characters.

#include <string>
#include <string_view>
#include <vector>

namespace urllist {

// A byte of 0x80 or above begins a two-byte character: the byte after it is
// never the start of a delimiter. A delimiter at the very end leaves no empty
// piece behind it, and the empty text gives no pieces at all. The delimiter
// must not be empty. Runs in time linear in the lengths of text and delimiter.
std::vector<std::string> splitText(std::string_view text, std::string_view delimiter);

} // namespace urllist
