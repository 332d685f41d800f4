#include "list_text_generator.h"

#include <string_view>

namespace bench {
namespace {

// A small fixed generator, so that the text is the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 16);
    }

    // A number in [low, high].
    std::size_t between(std::size_t low, std::size_t high)
    {
        return low + next() % (high - low + 1);
    }

private:
    std::uint64_t state_;
};

void appendWord(std::string& text, Random& random, std::size_t low, std::size_t high)
{
    const std::size_t length = random.between(low, high);
    for (std::size_t index = 0; index < length; ++index) {
        text += static_cast<char>('a' + random.between(0, 25));
    }
}

// GB2312 characters: lead bytes B0-F7, second bytes A1-FE.
void appendChinese(std::string& text, Random& random, std::size_t characters)
{
    for (std::size_t index = 0; index < characters; ++index) {
        text += static_cast<char>(random.between(0xB0, 0xF7));
        text += static_cast<char>(random.between(0xA1, 0xFE));
    }
}

void appendAddress(std::string& text, Random& random, std::string_view scheme)
{
    text += scheme;
    text += "www.";
    appendWord(text, random, 3, 12);
    text += random.between(0, 1) == 0 ? ".com" : ".cn";
    const std::size_t segments = random.between(0, 5);
    for (std::size_t index = 0; index < segments; ++index) {
        text += '/';
        appendWord(text, random, 2, 14);
    }
    if (random.between(0, 3) == 0) {
        text += "/index.html?id=";
        text += std::to_string(random.next() % 100000);
        text += "&ref=home";
    }
}

void appendLine(std::string& text, Random& random)
{
    const std::size_t kind = random.between(0, 999);
    if (kind < 450) {
        appendAddress(text, random, "http://");
    } else if (kind < 500) {
        // A redirect: a second address inside the first.
        appendAddress(text, random, "http://");
        text += "/go?url=";
        appendAddress(text, random, "http://");
    } else if (kind < 540) {
        appendAddress(text, random, random.between(0, 1) == 0 ? "https://" : "HTTP://");
    } else if (kind < 560) {
        text += "  ";
        appendAddress(text, random, "http://");
    } else if (kind < 700) {
        const std::size_t words = random.between(2, 12);
        for (std::size_t index = 0; index < words; ++index) {
            appendWord(text, random, 1, 9);
            text += ' ';
        }
    } else if (kind < 820) {
        appendChinese(text, random, random.between(2, 30));
    } else if (kind < 870) {
        appendChinese(text, random, random.between(2, 6));
        text += "\xA3\xBA"; // full-width colon
        appendAddress(text, random, "http://");
    } else if (kind < 998) {
        // a blank line
    } else if (kind < 999) {
        appendAddress(text, random, "http://");
        text += "?data=";
        appendWord(text, random, 10000, 50000);
    } else {
        appendChinese(text, random, random.between(5000, 20000));
    }
}

} // namespace

std::string generateListText(std::size_t size)
{
    Random random(0x5eed0000u + size);
    std::string text;
    text.reserve(size + 200000);
    while (text.size() < size) {
        appendLine(text, random);
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

const std::string& listTextOfMegabytes(std::int64_t megabytes)
{
    constexpr std::size_t kMegabyte = 1000 * 1000;
    switch (megabytes) {
    case 1: {
        static const std::string text = generateListText(kMegabyte);
        return text;
    }
    case 10: {
        static const std::string text = generateListText(10 * kMegabyte);
        return text;
    }
    default: {
        static const std::string text = generateListText(100 * kMegabyte);
        return text;
    }
    }
}

} // namespace bench
