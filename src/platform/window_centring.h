#pragma once
// Where a window of a given outer size stands when centred on the screen.

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
};

// Each half is truncated toward zero; a window larger than the screen gets
// a negative place and starts partly off the screen.
constexpr Point centredPlace(int screenWidth, int screenHeight, int width, int height)
{
    return Point{(screenWidth - width) / 2, (screenHeight - height) / 2};
}

} // namespace platform
