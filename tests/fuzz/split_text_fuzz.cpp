// splitText against the plain byte-by-byte walk, and the pieces joined back.
#include "reference_split_text.h"
#include "urllist/split_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::string joined(const std::vector<std::string>& pieces, std::string_view delimiter)
{
    std::string text;
    for (std::size_t index = 0; index < pieces.size(); ++index) {
        if (index > 0) {
            text += delimiter;
        }
        text += pieces[index];
    }
    return text;
}

void checkSplit(std::string_view text, std::string_view delimiter)
{
    const std::vector<std::string> pieces = urllist::splitText(text, delimiter);
    check(pieces == fuzzref::referenceSplitText(text, delimiter));
    check(pieces.empty() == text.empty());
    // Joined with the delimiter, the pieces give back the text, or the text
    // without the one delimiter at its end that left no piece behind.
    const std::string back = joined(pieces, delimiter);
    check(back == text || back + std::string(delimiter) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkSplit(input, "\r\n");
    checkSplit(input, "http://");
    // A delimiter of 1 to 8 bytes taken from the input itself.
    if (size >= 2) {
        const std::size_t length = 1 + data[0] % 8;
        if (size > length) {
            checkSplit(input.substr(1 + length), input.substr(1, length));
        }
    }
    return 0;
}
