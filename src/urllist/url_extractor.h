#pragma once
// The list text's entries: one per line that begins with "http://".

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace urllist {

struct UrlExtraction {
    // In line order, duplicates kept.
    std::vector<std::string> entries;
    // Always the number of entries: a line of exactly "http://" gives no entry
    // and is not counted.
    std::int32_t urlCount = 0;
    // The caption of the count label.
    std::string countCaption;
};

// Calls `visit` with every entry of the list text, in line order, as a view
// into the text: no entry is copied. Lines are separated by CR LF (a bare CR
// or LF is no break) and found by splitText's double-byte rule. A line is
// taken when its first seven bytes are "http://"; its entry runs from its
// start up to the next "http://" in the line, or to the line's end. A line of
// "http://" alone gives no entry.
void forEachUrlEntry(std::string_view listText,
                     const std::function<void(std::string_view entry)>& visit);

// The entries copied out, their count and the count caption.
UrlExtraction extractUrls(std::string_view listText);

// "总共有：N个网址。"
std::string countCaption(std::int32_t urlCount);

} // namespace urllist
