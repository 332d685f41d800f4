#pragma once
// The splitting rule walked one byte at a time, the plain way, as the yardstick
// for the fast splitText.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzref {

inline std::vector<std::string> referenceSplitText(std::string_view text,
                                                   std::string_view delimiter)
{
    std::vector<std::string> pieces;
    if (text.empty()) {
        return pieces;
    }
    const std::size_t d = delimiter.size();
    std::size_t pieceStart = 0;
    std::size_t scan = 0;
    while (text.size() - scan >= d) {
        if (text.compare(scan, d, delimiter) == 0) {
            pieces.emplace_back(text.substr(pieceStart, scan - pieceStart));
            scan += d;
            pieceStart = scan;
        } else if (static_cast<unsigned char>(text[scan]) >= 0x80) {
            if (scan + 1 == text.size()) {
                break; // the byte after it is the terminating zero
            }
            scan += 2;
        } else {
            scan += 1;
        }
    }
    if (pieceStart < text.size()) {
        pieces.emplace_back(text.substr(pieceStart));
    }
    return pieces;
}

} // namespace fuzzref
