// The program's resources, linked into this test the way they are linked
// into varnelle.exe: the icon, the manifest and the version information.
#include "platform/unique_handle.h"
#include "resources/tray_icon_data.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// The group-icon resource's directory entry (as in the icon file, with an id
// in place of the offset).
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::string_view resourceBytes(LPCSTR name, LPCSTR type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
}

TEST(ProgramIcon, IsTheFourImagesOfTheIconFile)
{
    const std::string_view group = resourceBytes("DEFAULT_ICON", MAKEINTRESOURCEA(14));
    ASSERT_EQ(group.size(), 6u + 4 * sizeof(GroupIconEntry));
    const int widths[] = {64, 48, 32, 16};
    for (int i = 0; i < 4; ++i) {
        GroupIconEntry entry{};
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.width, widths[i]);
        EXPECT_EQ(entry.height, widths[i]);
        EXPECT_EQ(entry.colourCount, 0);
        EXPECT_EQ(entry.bitCount, 32);
        // Each image is byte for byte the icon file's.
        const std::string_view image = resourceBytes(MAKEINTRESOURCEA(entry.id), RT_ICON);
        const std::string_view file = resources::trayIconData();
        const std::size_t dir = 6 + 16 * static_cast<std::size_t>(i);
        DWORD offset = 0;
        DWORD size = 0;
        std::memcpy(&size, file.data() + dir + 8, 4);
        std::memcpy(&offset, file.data() + dir + 12, 4);
        EXPECT_EQ(image, file.substr(offset, size)) << widths[i];
    }
}

TEST(ProgramIcon, LoadsAtEachSizeOfTheWindowIcons)
{
    for (int size : {16, 32, 48, 64}) {
        const platform::UniqueIcon icon(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        const platform::UniqueGdiObject colour(info.hbmColor);
        const platform::UniqueGdiObject mask(info.hbmMask);
        BITMAP bitmap{};
        ASSERT_NE(GetObjectA(colour.get(), sizeof bitmap, &bitmap), 0);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
    }
}

TEST(ProgramManifest, AsksForCommonControlsSixAndTheInvokersRights)
{
    const std::string_view manifest =
        resourceBytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string_view::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string_view::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string_view::npos);

    // The system took it: comctl32 comes from the side-by-side store of the
    // common controls, not from the system folder.
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(comctl, path, MAX_PATH), 0u);
    std::string lower(path);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_NE(lower.find("microsoft.windows.common-controls"), std::string::npos) << path;
    FreeLibrary(comctl);
}

std::optional<std::string> versionString(const std::vector<char>& info, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\080403a8\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

TEST(ProgramVersion, IsOnePointZeroOfVarnelle)
{
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    EXPECT_EQ(versionString(info, "ProductName"), "Varnelle");
    EXPECT_EQ(versionString(info, "FileVersion"), "1.0.0.0");
    EXPECT_EQ(versionString(info, "ProductVersion"), "1.0.0.0");
    EXPECT_EQ(versionString(info, "OriginalFilename"), "varnelle.exe");
    const std::optional<std::string> description = versionString(info, "FileDescription");
    ASSERT_TRUE(description);
    EXPECT_FALSE(description->empty());
}

} // namespace
