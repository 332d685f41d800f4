#include "platform/control.h"

#include "platform/size_clamp.h"

#include <vector>

namespace platform {

namespace {
// Marks our own controls, so that foreign windows (the web browser's inner
// windows, say) are never mistaken for one.
constexpr const char* kControlProperty = "Varnelle.Control";
} // namespace

bool Control::visible() const
{
    return exists() && IsWindowVisible(hwnd_);
}

void Control::setVisible(bool visible)
{
    if (exists()) {
        ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    }
}

bool Control::enabled() const
{
    return exists() && IsWindowEnabled(hwnd_);
}

void Control::setEnabled(bool enabled)
{
    if (exists()) {
        EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    }
}

int Control::width() const
{
    RECT rect{};
    if (!exists() || !GetWindowRect(hwnd_, &rect)) {
        return 0;
    }
    return rect.right - rect.left;
}

int Control::height() const
{
    RECT rect{};
    if (!exists() || !GetWindowRect(hwnd_, &rect)) {
        return 0;
    }
    return rect.bottom - rect.top;
}

void Control::setWidth(int width)
{
    if (exists()) {
        SetWindowPos(hwnd_, nullptr, 0, 0, clampControlSize(width), height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::setHeight(int height)
{
    if (exists()) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width(), clampControlSize(height),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Control::setFocus()
{
    if (exists()) {
        SetFocus(hwnd_);
    }
}

std::string Control::text() const
{
    if (!exists()) {
        return {};
    }
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void Control::setText(std::string_view text)
{
    if (exists()) {
        const std::string terminated(text);
        SetWindowTextA(hwnd_, terminated.c_str());
    }
}

Control* Control::fromWindow(HWND hwnd)
{
    return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

void Control::attach(HWND hwnd, int id)
{
    hwnd_ = hwnd;
    id_ = id;
    if (hwnd_) {
        SetPropA(hwnd_, kControlProperty, this);
    }
}

void Control::detach()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        RemovePropA(hwnd_, kControlProperty);
    }
    hwnd_ = nullptr;
}

void Control::notify(UINT code)
{
    switch (code) {
    case EN_SETFOCUS:
        raise(onGotFocus);
        break;
    case EN_KILLFOCUS:
        raise(onLostFocus);
        break;
    default:
        break;
    }
}

} // namespace platform
