#pragma once
// The extraction done step by step as the program describes it: split the
// text into lines, take the lines that begin with "http://", split each at
// "http://" and form the entry from the second piece.

#include "urllist/split_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace fuzzref {

inline std::vector<std::string> referenceEntries(std::string_view listText)
{
    std::vector<std::string> entries;
    for (const std::string& line : urllist::splitText(listText, "\r\n")) {
        if (line.compare(0, 7, "http://") != 0) {
            continue;
        }
        const std::vector<std::string> pieces = urllist::splitText(line, "http://");
        // A line of "http://" alone has no second piece: no entry, not counted.
        if (pieces.size() >= 2) {
            entries.push_back("http://" + pieces[1]);
        }
    }
    return entries;
}

} // namespace fuzzref
