#include "platform/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/icon_file.h"

namespace platform {
namespace {

// The record's original layout (no balloon, 64-byte tip): 88 bytes in a
// 32-bit program, 104 in a 64-bit one.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(kRecordSize == (sizeof(void*) == 8 ? 104 : 88));

constexpr DWORD kIconFormatVersion = 0x30000;

UniqueIcon makeIcon(std::string_view iconFile, int preferredWidth)
{
    const std::optional<IconImage> image = chooseIconImage(iconFile, preferredWidth);
    if (!image) {
        return UniqueIcon{};
    }
    // The system only reads the bytes, though its signature says otherwise.
    auto* bits = reinterpret_cast<PBYTE>(const_cast<char*>(image->bytes.data()));
    const auto size = static_cast<DWORD>(image->bytes.size());
    HICON icon = CreateIconFromResourceEx(bits, size, TRUE, kIconFormatVersion, image->width,
                                          image->height, LR_DEFAULTCOLOR);
    if (icon == nullptr && image->bitCount != 16) {
        icon = CreateIconFromResource(bits, size, TRUE, kIconFormatVersion);
    }
    return UniqueIcon{icon};
}

} // namespace

UniqueIcon makeTrayIcon(std::string_view iconFile)
{
    UniqueIcon icon = makeIcon(iconFile, 16);
    if (!icon) {
        icon = makeIcon(iconFile, 32);
    }
    return icon;
}

NOTIFYICONDATAA trayIconRecord(HWND window, HICON icon, std::string_view tip)
{
    NOTIFYICONDATAA record{};
    record.cbSize = kRecordSize;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = icon;
    const std::size_t length = std::min(tip.size(), kTrayTipBytes);
    std::memcpy(record.szTip, tip.data(), length);
    record.szTip[length] = '\0';
    return record;
}

TrayIcon::~TrayIcon()
{
    remove();
}

void TrayIcon::install(HWND window, std::string_view iconFile, std::string_view tip)
{
    UniqueIcon icon = makeTrayIcon(iconFile);
    NOTIFYICONDATAA record = trayIconRecord(window, icon.get(), tip);
    if (!icon_) {
        if (icon) {
            Shell_NotifyIconA(NIM_ADD, &record);
        }
    } else {
        Shell_NotifyIconA(icon ? NIM_MODIFY : NIM_DELETE, &record);
    }
    // The shell has taken its copy of the new icon; the previous one goes.
    window_ = window;
    icon_ = std::move(icon);
    tip_ = std::string(tip);
}

void TrayIcon::restore()
{
    if (icon_) {
        NOTIFYICONDATAA record = trayIconRecord(window_, icon_.get(), tip_);
        Shell_NotifyIconA(NIM_ADD, &record);
    }
}

void TrayIcon::remove()
{
    if (!icon_) {
        return;
    }
    NOTIFYICONDATAA record{};
    record.cbSize = kRecordSize;
    record.hWnd = window_;
    record.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &record);
    icon_.reset();
}

} // namespace platform
