#include "urllist/split_text.h"

#include "urllist/double_byte_scan.h"

#include <cstddef>
#include <cstring>

namespace urllist {
namespace {

// Yields every occurrence of the delimiter in the text, overlapping ones
// included, in increasing order (Knuth-Morris-Pratt, so that no text makes the
// search quadratic).
class OccurrenceStream {
public:
    OccurrenceStream(std::string_view text, std::string_view delimiter)
        : text_(text), delimiter_(delimiter), fallback_(delimiter.size() + 1, 0)
    {
        // fallback_[k]: length of the longest proper border of delimiter[0, k).
        std::size_t border = 0;
        for (std::size_t k = 1; k < delimiter_.size(); ++k) {
            while (border > 0 && delimiter_[k] != delimiter_[border]) {
                border = fallback_[border];
            }
            if (delimiter_[k] == delimiter_[border]) {
                ++border;
            }
            fallback_[k + 1] = border;
        }
    }

    // The start of the next occurrence, or npos when there is none.
    std::size_t next()
    {
        while (position_ < text_.size()) {
            if (matched_ == 0) {
                // Nothing matched yet: jump straight to the delimiter's first byte.
                const void* hit =
                    std::memchr(text_.data() + position_, delimiter_[0], text_.size() - position_);
                if (hit == nullptr) {
                    position_ = text_.size();
                    break;
                }
                position_ = static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
            }
            const char byte = text_[position_];
            while (matched_ > 0 && byte != delimiter_[matched_]) {
                matched_ = fallback_[matched_];
            }
            if (byte == delimiter_[matched_]) {
                ++matched_;
            }
            ++position_;
            if (matched_ == delimiter_.size()) {
                matched_ = fallback_[matched_];
                return position_ - delimiter_.size();
            }
        }
        return std::string_view::npos;
    }

private:
    std::string_view text_;
    std::string_view delimiter_;
    std::vector<std::size_t> fallback_;
    std::size_t position_ = 0;
    std::size_t matched_ = 0;
};

} // namespace

std::vector<std::string> splitText(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> pieces;
    if (text.empty() || delimiter.empty()) {
        if (!text.empty()) {
            pieces.emplace_back(text);
        }
        return pieces;
    }

    OccurrenceStream occurrences(text, delimiter);
    std::size_t pieceStart = 0;
    std::size_t scan = 0;
    for (std::size_t found = occurrences.next(); found != std::string_view::npos;
         found = occurrences.next()) {
        if (found < scan) {
            continue; // overlaps the delimiter taken last
        }
        // Walk the character boundaries up to the occurrence: it counts only
        // if it starts on one, not on the second byte of a character.
        scan = nextCharacterBoundaryAtOrAfter(text, scan, found);
        if (scan != found) {
            continue;
        }
        pieces.emplace_back(text.substr(pieceStart, found - pieceStart));
        scan = found + delimiter.size();
        pieceStart = scan;
    }
    if (pieceStart < text.size()) {
        pieces.emplace_back(text.substr(pieceStart));
    }
    return pieces;
}

} // namespace urllist
