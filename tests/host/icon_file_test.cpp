#include "platform/icon_file.h"

#include "resources/tray_icon_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::chooseIconImage;
using platform::IconImage;

void putLittle(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

void putBig(std::string& out, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

std::uint32_t little(std::string_view bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// A BITMAPINFOHEADER (stored height twice the picture's) and some pixel bytes.
std::string bitmapImage(int width, int height, int bitCount, std::size_t headerSize = 40)
{
    std::string image;
    putLittle(image, static_cast<std::uint32_t>(headerSize), 4);
    putLittle(image, static_cast<std::uint32_t>(width), 4);
    putLittle(image, static_cast<std::uint32_t>(height * 2), 4);
    putLittle(image, 1, 2);
    putLittle(image, static_cast<std::uint32_t>(bitCount), 2);
    image.resize(40, '\0');
    image.append(24, '\x5A');
    return image;
}

// A PNG signature and IHDR chunk (enough for the image's size), then filler.
std::string pngImage(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType)
{
    std::string image("\x89PNG\r\n\x1a\n", 8);
    putBig(image, 13);
    image += "IHDR";
    putBig(image, width);
    putBig(image, height);
    image.push_back(static_cast<char>(bitDepth));
    image.push_back(static_cast<char>(colourType));
    image.append(3, '\0');
    image.append(8, '\x33');
    return image;
}

struct Entry {
    int width;
    int colourCount;
    std::string image;
};

// An icon file whose directory points at the images, stored in entry order.
std::string iconFile(const std::vector<Entry>& entries, std::uint32_t type = 1,
                     std::uint32_t reserved = 0)
{
    std::string file;
    putLittle(file, reserved, 2);
    putLittle(file, type, 2);
    putLittle(file, static_cast<std::uint32_t>(entries.size()), 2);
    std::size_t offset = 6 + 16 * entries.size();
    for (const Entry& e : entries) {
        file.push_back(static_cast<char>(e.width));
        file.push_back(static_cast<char>(e.width));
        file.push_back(static_cast<char>(e.colourCount));
        file.push_back('\0');
        putLittle(file, 1, 2);
        putLittle(file, 32, 2);
        putLittle(file, static_cast<std::uint32_t>(e.image.size()), 4);
        putLittle(file, static_cast<std::uint32_t>(offset), 4);
        offset += e.image.size();
    }
    for (const Entry& e : entries) {
        file += e.image;
    }
    return file;
}

void setLittle(std::string& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        file[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

// The directory entry's image, as the entry at `index` names it.
std::string_view entryImage(std::string_view file, std::size_t index)
{
    const std::size_t entry = 6 + 16 * index;
    return file.substr(little(file, entry + 12, 4), little(file, entry + 8, 4));
}

TEST(TrayIconData, IsFourThirtyTwoBitImagesFromLargestToSmallest)
{
    const std::string_view file = resources::trayIconData();
    ASSERT_EQ(file.size(), 32038u);
    EXPECT_EQ(little(file, 0, 2), 0u);
    EXPECT_EQ(little(file, 2, 2), 1u);
    ASSERT_EQ(little(file, 4, 2), 4u);

    const int widths[] = {64, 48, 32, 16};
    std::size_t nextOffset = 6 + 4 * 16;
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(widths[i]);
        const std::size_t entry = 6 + 16 * i;
        const auto width = static_cast<std::uint32_t>(widths[i]);
        EXPECT_EQ(little(file, entry, 1), width);
        EXPECT_EQ(little(file, entry + 1, 1), width);
        EXPECT_EQ(little(file, entry + 2, 1), 0u) << "colour count";
        EXPECT_EQ(little(file, entry + 4, 2), 1u) << "planes";
        EXPECT_EQ(little(file, entry + 6, 2), 32u) << "bit count";
        EXPECT_EQ(little(file, entry + 12, 4), nextOffset);
        // Header, colour pixels, and a mask of whole 32-bit words per row.
        const std::size_t size = 40 + width * width * 4 + (width + 31) / 32 * 4 * width;
        EXPECT_EQ(little(file, entry + 8, 4), size);
        nextOffset += size;

        const std::string_view image = entryImage(file, i);
        EXPECT_EQ(little(image, 0, 4), 40u);
        EXPECT_EQ(little(image, 4, 4), width);
        EXPECT_EQ(little(image, 8, 4), 2 * width);
        EXPECT_EQ(little(image, 14, 2), 32u);
        EXPECT_EQ(little(image, 16, 4), 0u) << "uncompressed";
    }
    EXPECT_EQ(nextOffset, file.size());
}

TEST(ChooseIconImage, TakesTheLastImageOfTrayIconDataForEveryWidth)
{
    // No entry has a colour-count byte of 16 or more, so none qualifies.
    const std::string_view file = resources::trayIconData();
    for (int preferred : {16, 32, 48, 64}) {
        SCOPED_TRACE(preferred);
        const std::optional<IconImage> image = chooseIconImage(file, preferred);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, 16);
        EXPECT_EQ(image->height, 16);
        EXPECT_EQ(image->bitCount, 32);
        EXPECT_EQ(image->bytes.data(), file.data() + 30910);
        EXPECT_EQ(image->bytes.size(), 1128u);
    }
}

struct ChoiceCase {
    const char* name;
    std::vector<Entry> entries;
    int preferredWidth;
    std::size_t chosen;
};

TEST(ChooseIconImage, TakesTheFirstEntryOfThePreferredWidthWithSixteenColoursOrMore)
{
    const ChoiceCase cases[] = {
        {"16 wide with 16 colours before the last",
         {{32, 0, bitmapImage(32, 32, 32)},
          {16, 16, bitmapImage(16, 16, 4)},
          {16, 0, bitmapImage(16, 16, 32)}},
         16,
         1},
        {"the first of two that qualify",
         {{16, 255, bitmapImage(16, 16, 8)}, {16, 16, bitmapImage(16, 16, 4)}},
         16,
         0},
        {"15 colours do not qualify",
         {{16, 15, bitmapImage(16, 16, 4)}, {32, 0, bitmapImage(32, 32, 32)}},
         16,
         1},
        {"another width does not qualify",
         {{32, 16, bitmapImage(32, 32, 4)}, {48, 0, bitmapImage(48, 48, 32)}},
         16,
         1},
        {"32 wide when 32 is preferred",
         {{16, 16, bitmapImage(16, 16, 4)},
          {32, 16, bitmapImage(32, 32, 4)},
          {64, 0, bitmapImage(64, 64, 32)}},
         32,
         1},
        {"a single entry", {{48, 0, bitmapImage(48, 48, 32)}}, 16, 0},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = iconFile(c.entries);
        const std::optional<IconImage> image = chooseIconImage(file, c.preferredWidth);
        ASSERT_TRUE(image);
        const std::string_view expected = entryImage(file, c.chosen);
        EXPECT_EQ(image->bytes.data(), expected.data());
        EXPECT_EQ(image->bytes.size(), expected.size());
        EXPECT_EQ(image->width, c.entries[c.chosen].width);
    }
}

TEST(ChooseIconImage, ReadsTheSizeAndDepthFromTheImagesOwnHeader)
{
    struct HeaderCase {
        const char* name;
        std::string image;
        int width, height, bitCount;
    };
    const HeaderCase cases[] = {
        // The directory says 16 wide; the image's header decides.
        {"bitmap, half its stored height", bitmapImage(24, 20, 32), 24, 20, 32},
        {"16-bit bitmap", bitmapImage(16, 16, 16), 16, 16, 16},
        {"larger info header", bitmapImage(16, 16, 32, 124), 16, 16, 32},
        {"PNG, RGBA", pngImage(16, 16, 8, 6), 16, 16, 32},
        {"PNG, RGB", pngImage(256, 128, 8, 2), 256, 128, 24},
        {"PNG, 16-bit grey", pngImage(16, 16, 16, 0), 16, 16, 16},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = iconFile({{16, 0, c.image}});
        const std::optional<IconImage> image = chooseIconImage(file, 16);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_EQ(image->bitCount, c.bitCount);
    }
}

TEST(ChooseIconImage, AcceptsACursorFile)
{
    const std::string file = iconFile({{16, 0, bitmapImage(16, 16, 32)}}, 2);
    EXPECT_TRUE(chooseIconImage(file, 16));
}

TEST(ChooseIconImage, AcceptsAnImageThatEndsExactlyAtTheEndOfTheFile)
{
    const std::string file = iconFile({{16, 0, bitmapImage(16, 16, 32)}});
    const std::optional<IconImage> image = chooseIconImage(file, 16);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bytes.data() + image->bytes.size(), file.data() + file.size());
}

TEST(ChooseIconImage, GivesNothingForAFileItCannotRead)
{
    const std::string good = iconFile({{16, 0, bitmapImage(16, 16, 32)}});
    const std::string twoEntries =
        iconFile({{16, 0, bitmapImage(16, 16, 32)}, {32, 0, bitmapImage(32, 32, 32)}});
    const std::size_t lastEntry = 6 + 16;
    const auto goodSize = static_cast<std::uint32_t>(good.size());

    std::string sizePastEnd = good;
    setLittle(sizePastEnd, 6 + 8, goodSize - 22 + 1);
    std::string offsetPastEnd = good;
    setLittle(offsetPastEnd, 6 + 12, goodSize + 1);
    std::string offsetAtEnd = good;
    setLittle(offsetAtEnd, 6 + 12, goodSize);
    std::string wrapsAround = good;
    setLittle(wrapsAround, 6 + 12, 0xFFFFFFF0u);
    setLittle(wrapsAround, 6 + 8, 0x20u);
    std::string lastPastEnd = twoEntries;
    setLittle(lastPastEnd, lastEntry + 8, 0x7FFFFFFFu);

    struct BadCase {
        const char* name;
        std::string file;
    };
    const BadCase cases[] = {
        {"empty", ""},
        {"shorter than the header", good.substr(0, 5)},
        {"reserved field not 0", iconFile({{16, 0, bitmapImage(16, 16, 32)}}, 1, 1)},
        {"type 0", iconFile({{16, 0, bitmapImage(16, 16, 32)}}, 0)},
        {"type 3", iconFile({{16, 0, bitmapImage(16, 16, 32)}}, 3)},
        {"no entries", iconFile({})},
        {"directory cut short", twoEntries.substr(0, 6 + 16 + 15)},
        {"image one byte past the end", sizePastEnd},
        {"image starting past the end", offsetPastEnd},
        {"empty image at the end", offsetAtEnd},
        {"offset and size wrapping around", wrapsAround},
        {"last entry past the end", lastPastEnd},
        {"image shorter than its header", iconFile({{16, 0, std::string(39, '\0')}})},
        {"header size below 40", iconFile({{16, 0, bitmapImage(16, 16, 32, 12)}})},
        {"PNG without its IHDR", iconFile({{16, 0, pngImage(16, 16, 8, 6).substr(0, 8 + 8 + 12)}})},
        {"PNG with an unknown colour type", iconFile({{16, 0, pngImage(16, 16, 8, 5)}})},
    };
    for (const BadCase& c : cases) {
        EXPECT_FALSE(chooseIconImage(c.file, 16)) << c.name;
        EXPECT_FALSE(chooseIconImage(c.file, 32)) << c.name;
    }
}

} // namespace
