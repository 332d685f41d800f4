#pragma once
// Runs the program's own message handling for a while, as its loop would.

#include "platform/message_loop.h"

#include <windows.h>

namespace testsupport {

// Handles every message that arrives within the given time. A WM_QUIT is
// noted and dropped, so a test can go on after its window is gone.
inline bool pumpMessagesFor(DWORD milliseconds)
{
    bool quit = false;
    const DWORD start = GetTickCount();
    do {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                continue;
            }
            platform::processMessage(message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
    return quit;
}

// Pumps until the condition holds or the time is up; gives the condition.
template <typename Condition>
bool pumpUntil(Condition condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= milliseconds) {
            return condition();
        }
        pumpMessagesFor(10);
    }
    return true;
}

} // namespace testsupport
