#pragma once
// Choosing the image of an icon file (.ico or .cur) that the tray icon is
// made from. Plain logic over the file's bytes.

#include <optional>
#include <string_view>

namespace platform {

// One image of an icon file, as its own header describes it.
struct IconImage {
    std::string_view bytes; // the image's bytes inside the icon file
    int width = 0;
    int height = 0;   // of the picture, not of the stored colour and mask bitmaps
    int bitCount = 0; // bits per pixel
};

// The header's reserved field must be 0, its type 1 (icon) or 2 (cursor) and
// its count at least 1. The image is the first directory entry whose width
// byte is preferredWidth and whose colour-count byte is at least 16, else the
// last entry. Nothing when the header is wrong, when the directory or the
// image lies beyond the end of the file, or when the image has no readable
// header (a BITMAPINFOHEADER, or a PNG's IHDR).
std::optional<IconImage> chooseIconImage(std::string_view iconFile, int preferredWidth);

} // namespace platform
