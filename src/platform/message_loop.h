#pragma once
// The program's message loop and what the toolkit does to a message before
// it is dispatched.

#include <windows.h>

namespace platform {

// Runs until WM_QUIT arrives; gives its exit code.
int runMessageLoop();

// Raises key events and starts window drags; false when the message must
// not be dispatched (a press on a label that moves the window).
bool preTranslateMessage(const MSG& message);

// Dispatches one message the way the loop does.
void processMessage(MSG& message);

} // namespace platform
