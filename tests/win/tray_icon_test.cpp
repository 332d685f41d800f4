// The tray icon against the real shell notification area.
#include "platform/icon_file.h"
#include "platform/tray_icon.h"
#include "platform/unique_handle.h"
#include "resources/tray_icon_data.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::kTrayCallbackMessage;
using platform::kTrayIconId;
using platform::TrayIcon;
using platform::UniqueIcon;
using platform::UniqueWindow;

constexpr char kClassName[] = "VarnelleTrayIconTest";

// Whether the shell holds icon 100 of the window: changing an icon that it
// does not hold fails.
bool shellHasIcon(HWND window)
{
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// Whether the handle still names an icon (a destroyed one does not).
bool iconAlive(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// The icon's pixels, top row first, as 0xAARRGGBB (alpha as the colour
// bitmap holds it).
struct IconPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

IconPixels iconPixels(HICON icon)
{
    IconPixels result;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return result;
    }
    const platform::UniqueGdiObject colour(info.hbmColor);
    const platform::UniqueGdiObject mask(info.hbmMask);
    BITMAP bitmap{};
    if (!colour || GetObjectA(colour.get(), sizeof bitmap, &bitmap) == 0) {
        return result;
    }
    result.width = bitmap.bmWidth;
    result.height = bitmap.bmHeight;
    result.pixels.resize(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = bitmap.bmWidth;
    header.bmiHeader.biHeight = -bitmap.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, static_cast<HBITMAP>(colour.get()), 0, bitmap.bmHeight, result.pixels.data(),
              &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return result;
}

// The 16 x 16 image of the program's icon file, top row first.
std::vector<std::uint32_t> smallImagePixels()
{
    const std::optional<platform::IconImage> image =
        platform::chooseIconImage(resources::trayIconData(), 16);
    std::vector<std::uint32_t> pixels(16 * 16);
    if (!image || image->width != 16) {
        return {};
    }
    for (int row = 0; row < 16; ++row) {
        // Stored bottom row first, after the 40-byte header.
        std::memcpy(&pixels[static_cast<std::size_t>(row) * 16],
                    image->bytes.data() + 40 + (15 - row) * 16 * 4, 16 * 4);
    }
    return pixels;
}

void expectSamePicture(const IconPixels& icon, const std::vector<std::uint32_t>& expected)
{
    ASSERT_EQ(icon.width, 16);
    ASSERT_EQ(icon.height, 16);
    ASSERT_EQ(expected.size(), icon.pixels.size());
    int opaque = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] >> 24 == 0xFF) {
            ++opaque;
            EXPECT_EQ(icon.pixels[i] & 0xFFFFFF, expected[i] & 0xFFFFFF)
                << "pixel " << i % 16 << "," << i / 16;
        }
    }
    EXPECT_GT(opaque, 100);
}

// Under Wine without a window manager, taking the only icon away takes about
// two seconds (its notification area is hidden then).
class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass); // fails harmlessly once registered
        window_.reset(CreateWindowExA(0, kClassName, "tray icon test", WS_OVERLAPPEDWINDOW, 0, 0,
                                      300, 200, nullptr, nullptr, GetModuleHandleA(nullptr),
                                      nullptr));
        ASSERT_TRUE(window_);
    }

    HWND window() const { return window_.get(); }

    UniqueWindow window_;
};

TEST(MakeTrayIcon, MakesTheSixteenPixelImageOfTheIconFile)
{
    const UniqueIcon icon = platform::makeTrayIcon(resources::trayIconData());
    ASSERT_TRUE(icon);
    expectSamePicture(iconPixels(icon.get()), smallImagePixels());
}

void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

// The header of a 16 x 16 image of 32 bits per pixel, without the pixels
// it announces: no system makes an icon of it.
std::string brokenImage()
{
    std::string image("\x28\0\0\0\x10\0\0\0\x20\0\0\0\1\0\x20\0", 16);
    image.append(24 + 64, '\0');
    return image;
}

// An icon file of one entry, 16 wide, holding the image.
std::string fileOf(const std::string& image)
{
    std::string file("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0", 14);
    put32(file, static_cast<std::uint32_t>(image.size()));
    put32(file, 22);
    return file + image;
}

// An icon file whose 16-pixel image cannot be made into an icon, and whose
// first entry is 32 wide with 16 colours: only the second choice gives one.
std::string fileWithBrokenSmallImage()
{
    const std::string_view source = resources::trayIconData();
    // The 32 x 32 image: the third entry's bytes.
    const std::size_t offset = 26646;
    const std::size_t size = 4264;
    const std::string broken = brokenImage();
    std::string file("\0\0\1\0\2\0", 6);
    file += std::string("\x20\x20\x10\0\1\0\x20\0", 8);
    put32(file, static_cast<std::uint32_t>(size));
    put32(file, 6 + 32);
    file += std::string("\x10\x10\0\0\1\0\x20\0", 8);
    put32(file, static_cast<std::uint32_t>(broken.size()));
    put32(file, static_cast<std::uint32_t>(6 + 32 + size));
    file += source.substr(offset, size);
    return file + broken;
}

TEST(MakeTrayIcon, TriesThirtyTwoPixelsWhenSixteenGivesNoIcon)
{
    const UniqueIcon icon = platform::makeTrayIcon(fileWithBrokenSmallImage());
    ASSERT_TRUE(icon);
    const IconPixels pixels = iconPixels(icon.get());
    EXPECT_EQ(pixels.width, 32);
    EXPECT_EQ(pixels.height, 32);
}

TEST(MakeTrayIcon, GivesNoIconForBytesThatHoldNone)
{
    // The image is read, so it is the system that makes no icon of it.
    ASSERT_TRUE(platform::chooseIconImage(fileOf(brokenImage()), 16));

    const std::string_view data = resources::trayIconData();
    std::string imageZeroed(data);
    // Every image's header and pixels wiped out; the directory stays.
    std::fill(imageZeroed.begin() + 70, imageZeroed.end(), '\0');
    const std::string cases[] = {
        "",
        "not an icon file at all",
        std::string(data.substr(0, 70)), // the directory without the images
        imageZeroed,
        fileOf(brokenImage()), // read, but no icon can be made of it
    };
    for (const std::string& bytes : cases) {
        EXPECT_FALSE(platform::makeTrayIcon(bytes)) << bytes.size() << " bytes";
    }
}

TEST_F(TrayIconTest, InstallPutsTheSixteenPixelIconIntoTheNotificationArea)
{
    TrayIcon tray;
    tray.install(window(), resources::trayIconData(), "Varnelle");
    EXPECT_TRUE(tray.installed());
    ASSERT_NE(tray.icon(), nullptr);
    expectSamePicture(iconPixels(tray.icon()), smallImagePixels());
    EXPECT_TRUE(shellHasIcon(window()));
}

TEST_F(TrayIconTest, InstallAgainReplacesTheIconAndDestroysTheOldOne)
{
    TrayIcon tray;
    tray.install(window(), resources::trayIconData(), "Varnelle");
    const HICON first = tray.icon();
    ASSERT_TRUE(iconAlive(first));

    tray.install(window(), resources::trayIconData(), "Varnelle again");
    EXPECT_TRUE(tray.installed());
    EXPECT_NE(tray.icon(), first);
    EXPECT_TRUE(iconAlive(tray.icon()));
    EXPECT_FALSE(iconAlive(first));
    EXPECT_TRUE(shellHasIcon(window()));
}

TEST_F(TrayIconTest, InstallWithUnusableBytesTakesThePresentIconAway)
{
    TrayIcon tray;
    tray.install(window(), resources::trayIconData(), "Varnelle");
    const HICON first = tray.icon();
    ASSERT_TRUE(shellHasIcon(window()));

    tray.install(window(), "no icon here", "Varnelle");
    EXPECT_FALSE(tray.installed());
    EXPECT_EQ(tray.icon(), nullptr);
    EXPECT_FALSE(iconAlive(first));
    EXPECT_FALSE(shellHasIcon(window()));
}

TEST_F(TrayIconTest, InstallWithUnusableBytesFirstDoesNothing)
{
    TrayIcon tray;
    tray.install(window(), std::string_view("\0\0\1\0\0\0", 6), "Varnelle");
    EXPECT_FALSE(tray.installed());
    EXPECT_EQ(tray.icon(), nullptr);
    EXPECT_FALSE(shellHasIcon(window()));

    // A later install with good bytes adds the icon.
    tray.install(window(), resources::trayIconData(), "Varnelle");
    EXPECT_TRUE(shellHasIcon(window()));
}

TEST_F(TrayIconTest, RemoveAndTheDestructorTakeTheIconAway)
{
    HICON icon = nullptr;
    {
        TrayIcon tray;
        tray.install(window(), resources::trayIconData(), "Varnelle");
        icon = tray.icon();
        ASSERT_TRUE(shellHasIcon(window()));
    }
    EXPECT_FALSE(shellHasIcon(window()));
    EXPECT_FALSE(iconAlive(icon));

    TrayIcon tray;
    tray.install(window(), resources::trayIconData(), "Varnelle");
    icon = tray.icon();
    tray.remove();
    EXPECT_FALSE(tray.installed());
    EXPECT_FALSE(shellHasIcon(window()));
    EXPECT_FALSE(iconAlive(icon));
    tray.remove(); // nothing left to remove
    EXPECT_FALSE(tray.installed());
}

TEST(TrayIconRecord, HoldsTheIconTheMessageAndTheTipCutToSixtyTwoBytes)
{
    struct TipCase {
        const char* name;
        std::string tip;
        std::string expected;
    };
    const std::string sixtyTwo(62, 'x');
    // "网址" repeated: double-byte characters, 4 bytes per repeat.
    std::string doubleByte;
    for (int i = 0; i < 20; ++i) {
        doubleByte += "网址";
    }
    ASSERT_EQ(doubleByte.size(), 80u);
    const TipCase cases[] = {
        {"short", "Varnelle", "Varnelle"},
        {"empty", "", ""},
        {"exactly 62 bytes", sixtyTwo, sixtyTwo},
        {"63 bytes", sixtyTwo + "y", sixtyTwo},
        {"200 bytes", std::string(200, 'z'), std::string(62, 'z')},
        {"double-byte, cut between characters", doubleByte, doubleByte.substr(0, 62)},
        {"double-byte, cut inside a character", "a" + doubleByte, ("a" + doubleByte).substr(0, 62)},
    };
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1234));
    HICON icon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(0x5678));
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NOTIFYICONDATAA record = platform::trayIconRecord(window, icon, c.tip);
        // The record's first layout: 88 bytes in a 32-bit program.
        EXPECT_EQ(record.cbSize, sizeof(void*) == 8 ? 104u : 88u);
        EXPECT_EQ(record.hWnd, window);
        EXPECT_EQ(record.uID, 100u);
        EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(record.uCallbackMessage, 0x8064u);
        EXPECT_EQ(record.hIcon, icon);
        EXPECT_EQ(std::string(record.szTip), c.expected);
    }
    static_assert(kTrayCallbackMessage == 0x8064 && kTrayIconId == 100);
}

} // namespace
