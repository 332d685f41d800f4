#include "platform/window.h"

#include "platform/controls.h"
#include "platform/size_clamp.h"
#include "platform/tray_message.h"
#include "platform/window_class.h"
#include "platform/window_centring.h"

#include <commctrl.h>

namespace platform {

namespace {

constexpr const char* kWindowProperty = "Varnelle.Window";
constexpr int kFirstControlId = 1000; // clear of IDOK and IDCANCEL
constexpr UINT_PTR kFirstTimerId = 1;

struct ControlClass {
    const char* className;
    DWORD style;
};

ControlClass controlClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        // SS_NOTIFY: a press on a label is addressed to the label itself.
        return {"STATIC", SS_LEFT | SS_NOTIFY};
    case ControlKind::EditBox:
        return {"EDIT", 0};
    case ControlKind::CheckBox:
        return {"BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER};
    case ControlKind::PushButton:
        return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
    case ControlKind::ListBox:
        return {"LISTBOX", 0};
    case ControlKind::UpDown:
        return {UPDOWN_CLASSA, 0};
    case ControlKind::WebView:
        return {nullptr, 0};
    }
    return {nullptr, 0};
}

HFONT createTextFont()
{
    LOGFONTA font{};
    font.lfHeight = -14;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    return CreateFontIndirectA(&font);
}

int fontHeight(HWND hwnd, HFONT font)
{
    HDC dc = GetDC(hwnd);
    if (!dc) {
        return 0;
    }
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return metrics.tmHeight;
}

BOOL CALLBACK findOtherWindow(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<std::pair<HWND, bool>*>(lParam);
    if (hwnd != search->first && GetPropA(hwnd, kWindowProperty)) {
        search->second = true;
        return FALSE;
    }
    return TRUE;
}

// Whether another top-level window of ours is still alive on this thread.
bool otherWindowExists(HWND except)
{
    std::pair<HWND, bool> search{except, false};
    EnumThreadWindows(GetCurrentThreadId(), findOtherWindow, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

} // namespace

Window* Window::fromWindow(HWND hwnd)
{
    return hwnd ? static_cast<Window*>(GetPropA(hwnd, kWindowProperty)) : nullptr;
}

bool Window::load(const WindowForm& form)
{
    if (exists()) {
        if (!closing_) {
            if (IsIconic(hwnd())) {
                ShowWindow(hwnd(), SW_RESTORE);
            } else {
                SetActiveWindow(hwnd());
            }
            return true;
        }
        destroyNow();
    }

    if (!createWindow(form)) {
        return false;
    }
    createControls(form);
    for (const ControlForm& control : controls_) {
        if (control.visible && control.control->exists()) {
            ShowWindow(control.control->hwnd(), SW_SHOWNA);
        }
    }

    raise(onCreated);
    if (exists()) {
        raise(onPositionChanged);
    }
    if (exists()) {
        raise(onSizeChanged);
    }
    if (exists() && form.visible) {
        ShowWindow(hwnd(), SW_SHOW);
    }
    // From here on the system's own size and move messages raise the events;
    // those of the first showing come from sizes the events have just seen.
    eventsRaised_ = true;
    if (exists()) {
        HWND focus = GetFocus();
        if (focus == hwnd()) {
            raise(onGotFocus);
        } else if (Control* control = Control::fromWindow(focus);
                   control && GetAncestor(focus, GA_ROOT) == hwnd()) {
            raise(control->onGotFocus);
        }
    }
    return true;
}

bool Window::createWindow(const WindowForm& form)
{
    // The window paints its own background colour.
    if (!registerWindowClass(form.className.c_str(), &Window::windowProc,
                             static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)))) {
        return false;
    }
    int x = form.x;
    int y = form.y;
    if (form.place == WindowPlace::CentredOnScreen) {
        const Point place = centredPlace(GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN), form.width, form.height);
        x = place.x;
        y = place.y;
    }
    closing_ = false;
    eventsRaised_ = false;
    placeMode_ = 0;
    dragByBackground_ = form.dragByBackground;
    focusBeforeDeactivation_ = nullptr;
    taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    HWND created = CreateWindowExA(form.exStyle, form.className.c_str(), form.caption.c_str(),
                                   form.style & ~WS_VISIBLE, x, y, form.width, form.height, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), this);
    if (!created) {
        return false;
    }
    if (!form.iconResource.empty()) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, form.iconResource.c_str(),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), 0)));
        smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, form.iconResource.c_str(),
                                                       IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0)));
        if (bigIcon_) {
            SendMessageA(created, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        }
        if (smallIcon_) {
            SendMessageA(created, WM_SETICON, ICON_SMALL,
                         reinterpret_cast<LPARAM>(smallIcon_.get()));
        }
    }
    return true;
}

void Window::createControls(const WindowForm& form)
{
    controls_ = form.controls;
    timers_ = form.timers;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    textFont_.reset();

    int id = kFirstControlId;
    for (const ControlForm& control : controls_) {
        const int controlId = id++;
        DWORD style = WS_CHILD | control.style;
        if (control.tabStop) {
            style |= WS_TABSTOP;
        }
        if (!control.enabled) {
            style |= WS_DISABLED;
        }
        HWND created = nullptr;
        if (control.kind == ControlKind::WebView) {
            auto* webView = static_cast<WebViewControl*>(control.control);
            // Bound first: a page can report itself loaded inside the first navigation.
            webView->view().setLoadedHandler([webView] { raise(webView->onLoaded); });
            if (webView->view().create(hwnd(), controlId, control.x, control.y, control.width,
                                       control.height)) {
                created = webView->view().hwnd();
                SetWindowLongPtrA(created, GWL_STYLE,
                                  GetWindowLongPtrA(created, GWL_STYLE) | style);
            }
        } else {
            const ControlClass kindClass = controlClass(control.kind);
            if (control.kind == ControlKind::UpDown) {
                INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
                InitCommonControlsEx(&init);
            }
            created = CreateWindowExA(
                control.exStyle, kindClass.className, control.text.c_str(), style | kindClass.style,
                control.x, control.y, control.width, control.height, hwnd(),
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
        }
        control.control->attach(created, controlId);
        if (!created) {
            continue;
        }
        // Some controls size themselves on creation (the arrows take the
        // scroll bar's width); the form's size holds.
        RECT actual{};
        GetWindowRect(created, &actual);
        if (actual.right - actual.left != control.width ||
            actual.bottom - actual.top != control.height) {
            SetWindowPos(created, nullptr, 0, 0, control.width, control.height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (control.checked) {
            SendMessageA(created, BM_SETCHECK, BST_CHECKED, 0);
        }
        if (control.kind == ControlKind::EditBox) {
            // No limit beyond the system's on what the user may type.
            SendMessageA(created, EM_SETLIMITTEXT, 0, 0);
        }

        HFONT font = nullptr;
        if (control.font == ControlFont::Text14) {
            if (!textFont_) {
                textFont_.reset(createTextFont());
            }
            font = static_cast<HFONT>(textFont_.get());
        } else {
            font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        }
        if (control.kind != ControlKind::WebView) {
            SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        if (control.kind == ControlKind::ListBox) {
            SendMessageA(created, LB_SETITEMHEIGHT, 0,
                         MAKELPARAM(fontHeight(created, font) + 2, 0));
        }
        if (control.kind == ControlKind::UpDown) {
            SendMessageA(created, UDM_SETRANGE32, static_cast<WPARAM>(control.rangeMin),
                         static_cast<LPARAM>(control.rangeMax));
        }
    }

    UINT_PTR timerId = kFirstTimerId;
    for (const TimerForm& timer : timers_) {
        timer.timer->attach(hwnd(), timerId++, timer.period);
    }
}

void Window::requestDestroy()
{
    if (!exists()) {
        return;
    }
    closing_ = true;
    PostMessageA(hwnd(), kDestroyRequestMessage, 0, 0);
}

void Window::destroyNow()
{
    if (exists()) {
        DestroyWindow(hwnd());
    }
}

int Window::width() const
{
    RECT rect{};
    return exists() && GetWindowRect(hwnd(), &rect) ? rect.right - rect.left : 0;
}

int Window::height() const
{
    RECT rect{};
    return exists() && GetWindowRect(hwnd(), &rect) ? rect.bottom - rect.top : 0;
}

void Window::setWidth(int width)
{
    if (exists()) {
        SetWindowPos(hwnd(), nullptr, 0, 0, clampControlSize(width), height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::setHeight(int height)
{
    if (exists()) {
        SetWindowPos(hwnd(), nullptr, 0, 0, width(), clampControlSize(height),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::moveTo(int x, int y)
{
    if (exists()) {
        SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::setParent(HWND parent)
{
    if (exists()) {
        SetParent(hwnd(), parent);
    }
}

bool Window::visible() const
{
    return exists() && IsWindowVisible(hwnd());
}

void Window::setVisible(bool visible)
{
    if (exists()) {
        ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
    }
}

void Window::setPlaceMode(int mode)
{
    placeMode_ = mode < 0 ? 0 : (mode > 3 ? 3 : mode);
    if (!visible()) {
        return;
    }
    switch (placeMode_) {
    case 0:
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        break;
    case 1: {
        if (IsIconic(hwnd()) || IsZoomed(hwnd())) {
            ShowWindow(hwnd(), SW_RESTORE);
        }
        const Point place = centredPlace(GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN), width(), height());
        RECT rect{};
        GetWindowRect(hwnd(), &rect);
        if (rect.left != place.x || rect.top != place.y) {
            SetWindowPos(hwnd(), nullptr, place.x, place.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case 2:
        ShowWindow(hwnd(), SW_MINIMIZE);
        break;
    default:
        ShowWindow(hwnd(), SW_MAXIMIZE);
        break;
    }
}

void Window::setAlwaysOnTop(bool onTop)
{
    if (exists()) {
        SetWindowPos(hwnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = fromWindow(hwnd);
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        window = static_cast<Window*>(create->lpCreateParams);
        SetPropA(hwnd, kWindowProperty, window);
        window->hwnd_.release();
        window->hwnd_.reset(hwnd);
    }
    if (!window) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return window->handleMessage(message, wParam, lParam);
    } catch (...) {
        // A failed handler must not unwind through the system's code.
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND self = hwnd();
    switch (message) {
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        onNotify(lParam);
        return 0;
    case WM_SIZE: {
        const LRESULT result = DefWindowProcA(self, message, wParam, lParam);
        if (eventsRaised_) {
            raise(onSizeChanged);
        }
        return result;
    }
    case WM_MOVE: {
        const LRESULT result = DefWindowProcA(self, message, wParam, lParam);
        if (eventsRaised_) {
            raise(onPositionChanged);
        }
        return result;
    }
    case WM_TIMER:
        onTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        raise(onDoubleClicked);
        return 0;
    case WM_ACTIVATE:
        // Give the focus back to the control that had it when the user
        // switched away, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            focusBeforeDeactivation_ = focus && IsChild(self, focus) ? focus : nullptr;
        } else if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_) &&
                   IsChild(self, focusBeforeDeactivation_) && !IsIconic(self)) {
            SetFocus(focusBeforeDeactivation_);
            return 0;
        }
        break;
    case kTrayCallbackMessage:
        if (const std::optional<int> argument =
                trayEventArgument(static_cast<std::uint32_t>(lParam));
            argument && onTrayEvent) {
            onTrayEvent(*argument);
        }
        return 0;
    case kDestroyRequestMessage:
        if (closing_) {
            DestroyWindow(self);
        }
        return 0;
    case WM_DESTROY:
        raise(onDestroying);
        trayIcon_.remove();
        for (const TimerForm& timer : timers_) {
            timer.timer->detach();
        }
        break;
    case WM_NCDESTROY:
        onFinalDestroy();
        return DefWindowProcA(self, message, wParam, lParam);
    default:
        if (message == taskbarCreatedMessage_ && message != 0) {
            trayIcon_.restore();
            return 0;
        }
        break;
    }
    return DefWindowProcA(self, message, wParam, lParam);
}

void Window::paintBackground(HDC dc)
{
    RECT rect{};
    GetClientRect(hwnd(), &rect);
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
}

void Window::onCommand(WPARAM wParam, LPARAM lParam)
{
    // Commands without a control (IDOK, IDCANCEL from the dialog keys, which
    // neither close the window nor move the focus) are ignored.
    HWND from = reinterpret_cast<HWND>(lParam);
    if (!from) {
        return;
    }
    if (Control* control = Control::fromWindow(from)) {
        control->notify(HIWORD(wParam));
    }
}

void Window::onNotify(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->code != UDN_DELTAPOS) {
        return;
    }
    auto* arrows = dynamic_cast<UpDown*>(Control::fromWindow(header->hwndFrom));
    if (!arrows) {
        return;
    }
    const auto* delta = reinterpret_cast<const NMUPDOWN*>(lParam);
    raise(delta->iDelta > 0 ? arrows->onUp : arrows->onDown);
}

void Window::onTimer(UINT_PTR id)
{
    for (const TimerForm& timer : timers_) {
        if (timer.timer->id() == id) {
            raise(timer.timer->onTick);
        }
    }
}

void Window::onFinalDestroy()
{
    HWND self = hwnd();
    for (const ControlForm& control : controls_) {
        if (control.kind == ControlKind::WebView) {
            static_cast<WebViewControl*>(control.control)->view().destroy();
        }
        control.control->detach();
    }
    RemovePropA(self, kWindowProperty);
    hwnd_.release();
    closing_ = false;
    eventsRaised_ = false;
    bigIcon_.reset();
    smallIcon_.reset();
    textFont_.reset();
    if (!otherWindowExists(self)) {
        PostQuitMessage(0);
    }
}

} // namespace platform
