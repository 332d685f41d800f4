#include "platform/icon_file.h"

#include <cstdint>

namespace platform {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kBitmapInfoHeaderSize = 40;
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

std::uint32_t byteAt(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t little16(std::string_view bytes, std::size_t at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

std::uint32_t little32(std::string_view bytes, std::size_t at)
{
    return little16(bytes, at) | little16(bytes, at + 2) << 16;
}

std::uint32_t big32(std::string_view bytes, std::size_t at)
{
    return byteAt(bytes, at) << 24 | byteAt(bytes, at + 1) << 16 | byteAt(bytes, at + 2) << 8 |
           byteAt(bytes, at + 3);
}

std::int32_t signed32(std::uint32_t value)
{
    return static_cast<std::int32_t>(value);
}

// Size and depth of a PNG image, from its first chunk, which must be IHDR.
std::optional<IconImage> describePng(std::string_view image)
{
    constexpr std::size_t kIhdrEnd = 8 + 8 + 13;
    if (image.size() < kIhdrEnd || image.substr(12, 4) != "IHDR") {
        return std::nullopt;
    }
    const std::uint32_t width = big32(image, 16);
    const std::uint32_t height = big32(image, 20);
    if (width > INT32_MAX || height > INT32_MAX) {
        return std::nullopt;
    }
    const int bitDepth = static_cast<int>(byteAt(image, 24));
    int channels = 0;
    switch (byteAt(image, 25)) {
    case 0: // grey
    case 3: // palette
        channels = 1;
        break;
    case 2: // RGB
        channels = 3;
        break;
    case 4: // grey and alpha
        channels = 2;
        break;
    case 6: // RGBA
        channels = 4;
        break;
    default:
        return std::nullopt;
    }
    return IconImage{image, static_cast<int>(width), static_cast<int>(height), bitDepth * channels};
}

// A BITMAPINFOHEADER: the stored height covers the colour bitmap and the mask.
std::optional<IconImage> describeBitmap(std::string_view image)
{
    if (image.size() < kBitmapInfoHeaderSize || little32(image, 0) < kBitmapInfoHeaderSize) {
        return std::nullopt;
    }
    return IconImage{image, signed32(little32(image, 4)), signed32(little32(image, 8)) / 2,
                     static_cast<int>(little16(image, 14))};
}

} // namespace

std::optional<IconImage> chooseIconImage(std::string_view iconFile, int preferredWidth)
{
    if (iconFile.size() < kHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t reserved = little16(iconFile, 0);
    const std::uint32_t type = little16(iconFile, 2);
    const std::size_t count = little16(iconFile, 4);
    if (reserved != 0 || (type != 1 && type != 2) || count < 1 ||
        iconFile.size() < kHeaderSize + count * kEntrySize) {
        return std::nullopt;
    }

    std::size_t chosen = kHeaderSize + (count - 1) * kEntrySize;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderSize + i * kEntrySize;
        const auto width = static_cast<int>(byteAt(iconFile, entry));
        const std::uint32_t colourCount = byteAt(iconFile, entry + 2);
        if (width == preferredWidth && colourCount >= 16) {
            chosen = entry;
            break;
        }
    }

    const std::size_t size = little32(iconFile, chosen + 8);
    const std::size_t offset = little32(iconFile, chosen + 12);
    if (offset > iconFile.size() || size > iconFile.size() - offset) {
        return std::nullopt;
    }
    const std::string_view image = iconFile.substr(offset, size);
    if (image.substr(0, kPngSignature.size()) == kPngSignature) {
        return describePng(image);
    }
    return describeBitmap(image);
}

} // namespace platform
