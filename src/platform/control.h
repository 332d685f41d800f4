#pragma once
// A child control of a loaded window. The control's window belongs to its
// parent window, which destroys it; this object only refers to it.

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

using EventHandler = void (*)();
using KeyEventHandler = void (*)(int keyCode, int modifiers);

class Window;

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    bool exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);

    // Sizes are clamped to 0..32627 and applied at once; the place is kept.
    int width() const;
    int height() const;
    void setWidth(int width);
    void setHeight(int height);

    void setFocus();

    // The window text (caption of a label, button or check box, content of an edit box).
    std::string text() const;
    void setText(std::string_view text);

    // Events, bound by the form.
    EventHandler onGotFocus = nullptr;
    EventHandler onLostFocus = nullptr;
    EventHandler onClicked = nullptr;
    EventHandler onDoubleClicked = nullptr;
    KeyEventHandler onKeyPressed = nullptr;
    KeyEventHandler onKeyReleased = nullptr;

    // The control that owns a window, if it is one of ours.
    static Control* fromWindow(HWND hwnd);

    // Called by the window that creates and destroys the control.
    void attach(HWND hwnd, int id);
    void detach();

    // A notification (WM_COMMAND code) the parent received from this control.
    virtual void notify(UINT code);

private:
    HWND hwnd_ = nullptr;
    int id_ = 0;
};

// Raises an event whose handler may be unbound.
inline void raise(EventHandler handler)
{
    if (handler) {
        handler();
    }
}

} // namespace platform
