// The program's tray icon, waiting to be clicked: driven by
// tray_click_test.py, which clicks the icon in the notification area.
//
//   tray_click_target.exe LPARAM...
//
// Installs the icon for a hidden window, prints "ready", then prints every
// tray callback it receives ("callback wParam=100 lParam=0x202"). Once as
// many callbacks other than mouse moves have arrived as lParams are named on
// the command line, it ends: with 0 if they came in that order, else with 1.
// After 30 seconds without them it ends with 1.
#include "platform/tray_icon.h"
#include "platform/unique_handle.h"
#include "resources/tray_icon_data.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr DWORD kTimeoutMilliseconds = 30000;

constexpr unsigned long kMouseMove = 0x200;

struct Callbacks {
    std::vector<unsigned long> expected;
    std::vector<unsigned long> received; // mouse moves left out

    bool complete() const { return received.size() >= expected.size(); }
};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == platform::kTrayCallbackMessage) {
        auto* callbacks = reinterpret_cast<Callbacks*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const auto mouseMessage = static_cast<unsigned long>(lParam);
        std::printf("callback wParam=%lu lParam=0x%lx\n", static_cast<unsigned long>(wParam),
                    mouseMessage);
        std::fflush(stdout);
        if (callbacks != nullptr && mouseMessage != kMouseMove) {
            callbacks->received.push_back(mouseMessage);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv)
{
    Callbacks callbacks;
    for (int i = 1; i < argc; ++i) {
        callbacks.expected.push_back(std::strtoul(argv[i], nullptr, 0));
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VarnelleTrayClickTarget";
    if (!RegisterClassA(&windowClass)) {
        std::printf("cannot register the window class\n");
        return 2;
    }
    const platform::UniqueWindow window(
        CreateWindowExA(0, windowClass.lpszClassName, "tray click target", WS_OVERLAPPEDWINDOW, 0,
                        0, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr));
    if (!window) {
        std::printf("cannot create the window\n");
        return 2;
    }
    SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&callbacks));

    platform::TrayIcon tray;
    tray.install(window.get(), resources::trayIconData(), "Varnelle");
    if (!tray.installed()) {
        std::printf("no tray icon\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    const DWORD start = GetTickCount();
    while (!callbacks.complete() && GetTickCount() - start < kTimeoutMilliseconds) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    if (!callbacks.complete()) {
        std::printf("timed out after %zu of %zu callbacks\n", callbacks.received.size(),
                    callbacks.expected.size());
        return 1;
    }
    return callbacks.received == callbacks.expected ? 0 : 1;
}
