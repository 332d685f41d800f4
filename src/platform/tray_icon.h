#pragma once
// A window's icon in the notification area.

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/unique_handle.h"

namespace platform {

// The icon's id among the window's notification icons, and the message the
// shell sends the window for mouse actions on it (the mouse message in lParam).
constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayCallbackMessage = WM_APP + 100;
static_assert(kTrayCallbackMessage == 0x8064);

// The longest tip, in bytes; a longer one is cut there, even inside a
// double-byte character.
constexpr std::size_t kTrayTipBytes = 62;

// An icon made from an icon file's bytes: the first 16-pixel image with at
// least 16 colours, else the last image; when that gives no icon, the same
// once more for 32 pixels. Null when no icon can be made.
UniqueIcon makeTrayIcon(std::string_view iconFile);

// The record handed to the shell for icon kTrayIconId of window.
NOTIFYICONDATAA trayIconRecord(HWND window, HICON icon, std::string_view tip);

// One per window. The window must outlive it or call remove() while it exists.
class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Puts an icon made from iconFile into the notification area for window,
    // or replaces the one it has there; with bytes that give no icon, an icon
    // already there goes away. The shell's answer is not looked at.
    void install(HWND window, std::string_view iconFile, std::string_view tip);

    // Takes the icon out of the notification area and destroys it.
    void remove();

    // Adds the icon again after the notification area was recreated (the
    // shell restarted and broadcast "TaskbarCreated"); nothing without one.
    void restore();

    bool installed() const { return static_cast<bool>(icon_); }
    HICON icon() const { return icon_.get(); }

private:
    HWND window_ = nullptr;
    UniqueIcon icon_;
    std::string tip_;
};

} // namespace platform
