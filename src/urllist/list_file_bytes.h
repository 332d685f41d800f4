#pragma once
// The list file's content and the list text: the same bytes, without any
// terminator, byte-order mark handling or conversion.

#include <string>
#include <string_view>

namespace urllist {

// The text ends before the first zero byte of the file; bytes after it are
// not part of the text. Cuts the bytes in place: the load moves its buffer in.
std::string listTextFromFileBytes(std::string fileBytes);

// The bytes before the text's terminating zero (the first zero byte it holds,
// if any); the empty text gives no bytes.
std::string_view fileBytesFromListText(std::string_view listText);

} // namespace urllist
