#include "platform/message_loop.h"

#include "platform/controls.h"
#include "platform/key_code.h"
#include "platform/window.h"

namespace platform {

namespace {

bool keyDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

void raiseKeyEvent(Control& control, const MSG& message)
{
    const bool released = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    KeyEventHandler handler = released ? control.onKeyReleased : control.onKeyPressed;
    if (handler) {
        handler(keyEventCode(message.wParam),
                modifierState(keyDown(VK_CONTROL), keyDown(VK_SHIFT), keyDown(VK_MENU)));
    }
}

// Starts moving the window as a press on its title bar would.
void startDrag(HWND window)
{
    PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace

bool preTranslateMessage(const MSG& message)
{
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (Control* control = Control::fromWindow(message.hwnd)) {
            raiseKeyEvent(*control, message);
        }
        return true;
    case WM_LBUTTONDOWN: {
        if (Window* window = Window::fromWindow(message.hwnd)) {
            if (window->dragsByBackground()) {
                startDrag(message.hwnd);
            }
            return true;
        }
        if (dynamic_cast<Label*>(Control::fromWindow(message.hwnd))) {
            HWND top = GetAncestor(message.hwnd, GA_ROOT);
            Window* window = Window::fromWindow(top);
            if (window && window->dragsByBackground()) {
                startDrag(top);
                return false;
            }
        }
        return true;
    }
    default:
        return true;
    }
}

void processMessage(MSG& message)
{
    if (!preTranslateMessage(message)) {
        return;
    }
    // Keys aimed at a page go to the web browser first, for its own shortcuts.
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        for (HWND hwnd = message.hwnd; hwnd; hwnd = GetParent(hwnd)) {
            if (auto* page = dynamic_cast<WebViewControl*>(Control::fromWindow(hwnd))) {
                if (page->view().translateAccelerator(message)) {
                    return;
                }
                break;
            }
        }
    }
    // Tab moves among the tab stops of our windows; Esc and Enter become
    // commands without a control, which the windows ignore.
    HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top && Window::fromWindow(top) && IsDialogMessageA(top, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop()
{
    MSG message{};
    for (;;) {
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) {
            break;
        }
        processMessage(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace platform
