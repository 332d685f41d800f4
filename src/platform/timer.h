#pragma once
// A timer control: no window of its own; it ticks through its window's
// WM_TIMER with its own identifier.

#include "platform/control.h"

#include <windows.h>

#include <cstdint>

namespace platform {

class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Milliseconds; 0 means stopped.
    std::int32_t period() const { return period_; }
    // A negative period stores 0. Setting the period it already has does
    // nothing, so a running countdown is not restarted.
    void setPeriod(std::int32_t period);

    EventHandler onTick = nullptr;

    // Called by the window that holds the timer.
    void attach(HWND window, UINT_PTR id, std::int32_t period);
    void detach();
    UINT_PTR id() const { return id_; }

private:
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
    std::int32_t period_ = 0;
};

} // namespace platform
