#pragma once
// Where a child window stands in its parent's client area.

#include <windows.h>

namespace testsupport {

inline RECT placeInParent(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

} // namespace testsupport
