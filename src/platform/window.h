#pragma once
// A top-level window loaded from a form. The object lives for the whole run
// and can be loaded again after its window has been destroyed.

#include "platform/tray_icon.h"
#include "platform/unique_handle.h"
#include "platform/window_form.h"

#include <windows.h>

#include <string_view>

namespace platform {

using TrayEventHandler = void (*)(int argument);

// Posted to a window that was asked to go; it is destroyed when this arrives.
constexpr UINT kDestroyRequestMessage = WM_APP + 101;

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Loads the window: created hidden with its controls, created event,
    // position and size events, shown, got-focus event. A window still
    // marked as closing is destroyed first; one that is loaded and not
    // closing is only brought forward. False if the window cannot be created.
    bool load(const WindowForm& form);

    HWND hwnd() const { return hwnd_.get(); }
    bool exists() const { return hwnd_ && IsWindow(hwnd_.get()); }

    // Marks the window as closing and posts the request; it goes once the
    // current handler has returned, unless a load of this window comes first.
    void requestDestroy();
    bool closing() const { return closing_; }

    // Outer sizes, frame included.
    int width() const;
    int height() const;
    void setWidth(int width);
    void setHeight(int height);
    // A place relative to the parent's client area, keeping the size.
    void moveTo(int x, int y);
    void setParent(HWND parent);

    // Window settings: visible (IsWindowVisible), place mode (0 normal,
    // 1 centred, 2 minimized, 3 maximized), always on top.
    bool visible() const;
    void setVisible(bool visible);
    void setPlaceMode(int mode);
    int placeMode() const { return placeMode_; }
    void setAlwaysOnTop(bool onTop);

    TrayIcon& trayIcon() { return trayIcon_; }

    // Events, bound by the form.
    EventHandler onCreated = nullptr;
    EventHandler onPositionChanged = nullptr;
    EventHandler onSizeChanged = nullptr;
    EventHandler onDoubleClicked = nullptr;
    EventHandler onDestroying = nullptr;
    EventHandler onGotFocus = nullptr;
    TrayEventHandler onTrayEvent = nullptr;

    // The loaded window a window handle belongs to, if it is one of ours.
    static Window* fromWindow(HWND hwnd);
    // Whether a press on this window moves it.
    bool dragsByBackground() const { return dragByBackground_; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool createWindow(const WindowForm& form);
    void createControls(const WindowForm& form);
    void destroyNow();
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onNotify(LPARAM lParam);
    void onTimer(UINT_PTR id);
    void onFinalDestroy();
    void paintBackground(HDC dc);

    UniqueWindow hwnd_;
    std::vector<ControlForm> controls_;
    std::vector<TimerForm> timers_;
    UniqueGdiObject textFont_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    TrayIcon trayIcon_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool closing_ = false;
    bool eventsRaised_ = false; // size and move events only after loading
    bool dragByBackground_ = false;
    int placeMode_ = 0;
    UINT taskbarCreatedMessage_ = 0;
};

} // namespace platform
