#include "urllist/url_extractor.h"

#include "urllist/double_byte_scan.h"

#include <cstddef>
#include <cstring>

namespace urllist {
namespace {

constexpr std::string_view kScheme = "http://";

bool startsWithScheme(const char* text, std::size_t position, std::size_t end)
{
    return end - position >= kScheme.size() &&
           std::memcmp(text + position, kScheme.data(), kScheme.size()) == 0;
}

struct LineScan {
    std::size_t lineEnd;  // where the CR LF starts, or the end of the text
    std::size_t entryEnd; // where the entry ends (meaningful for taken lines only)
};

// One pass over a line from `position`, a character boundary. With
// `lookForScheme` it also notes the first further "http://" on a character
// boundary. Splitting the text at CR LF and a taken line at "http://" walk the
// same character boundaries, since both delimiters are plain ASCII, so a
// single walk serves both.
LineScan scanLine(const char* text, std::size_t position, std::size_t end, bool lookForScheme)
{
    std::size_t entryEnd = end;
    while (position < end) {
        const std::size_t found = scan::findLineEvent(text, position, end, lookForScheme);
        if (found == end) {
            break;
        }
        const char byte = text[found];
        if (scan::isHighByte(byte)) {
            position = scan::skipHighRun(text, found, end);
        } else if (byte == '\r') {
            if (found + 1 < end && text[found + 1] == '\n') {
                return {found, lookForScheme ? found : entryEnd};
            }
            position = found + 1;
        } else if (lookForScheme && startsWithScheme(text, found, end)) {
            entryEnd = found;
            lookForScheme = false;
            position = found + kScheme.size();
        } else {
            position = found + 1;
        }
    }
    return {end, lookForScheme ? end : entryEnd};
}

} // namespace

void forEachUrlEntry(std::string_view listText,
                     const std::function<void(std::string_view entry)>& visit)
{
    const char* text = listText.data();
    const std::size_t end = listText.size();
    std::size_t lineStart = 0;
    while (lineStart < end) {
        const bool taken = startsWithScheme(text, lineStart, end);
        const LineScan line =
            scanLine(text, taken ? lineStart + kScheme.size() : lineStart, end, taken);
        // A line of "http://" alone has no second piece and so no entry.
        if (taken && line.lineEnd > lineStart + kScheme.size()) {
            visit(listText.substr(lineStart, line.entryEnd - lineStart));
        }
        lineStart = line.lineEnd + 2;
    }
}

UrlExtraction extractUrls(std::string_view listText)
{
    UrlExtraction result;
    forEachUrlEntry(listText,
                    [&result](std::string_view entry) { result.entries.emplace_back(entry); });
    result.urlCount = static_cast<std::int32_t>(result.entries.size());
    result.countCaption = countCaption(result.urlCount);
    return result;
}

std::string countCaption(std::int32_t urlCount)
{
    return "总共有：" + std::to_string(urlCount) + "个网址。";
}

} // namespace urllist
