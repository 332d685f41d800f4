#pragma once
// The list file's content and the list text: the same bytes, without any
// terminator, byte-order mark handling or conversion.

#include <string>
#include <string_view>

namespace urllist {

// The text ends before the first zero byte of the file; bytes after it are
// not part of the text.
std::string listTextFromFileBytes(std::string_view fileBytes);

// The bytes before the text's terminating zero (the first zero byte it holds,
// if any); the empty text gives no bytes.
std::string_view fileBytesFromListText(std::string_view listText);

} // namespace urllist
