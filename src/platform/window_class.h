#pragma once
// Registration of the program's own window classes.

#include <windows.h>

namespace platform {

// Registers a class of this module that double-clicks reach and that redraws
// on every resize, with the arrow cursor; a class already registered is
// kept as it is.
bool registerWindowClass(const char* className, WNDPROC procedure, HBRUSH background) noexcept;

} // namespace platform
