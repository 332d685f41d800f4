#pragma once
// How key messages become the key events of a control.

#include <cstdint>

namespace platform {

// The key code an event carries for a key message's wParam: the virtual-key
// code, with the keypad's digits given as the digits and its minus, point and
// divide keys as the main keyboard's -, . and / keys.
int keyEventCode(std::uintptr_t wParam);

// 1 for Ctrl, plus 2 for Shift, plus 4 for Alt.
int modifierState(bool ctrlDown, bool shiftDown, bool altDown);

} // namespace platform
