#include "platform/timer.h"

namespace platform {

void Timer::setPeriod(std::int32_t period)
{
    if (period < 0) {
        period = 0;
    }
    if (period == period_) {
        return;
    }
    if (window_ && period_ > 0) {
        KillTimer(window_, id_);
    }
    period_ = period;
    if (window_ && period_ > 0) {
        SetTimer(window_, id_, static_cast<UINT>(period_), nullptr);
    }
}

void Timer::attach(HWND window, UINT_PTR id, std::int32_t period)
{
    window_ = window;
    id_ = id;
    period_ = 0;
    setPeriod(period);
}

void Timer::detach()
{
    if (window_ && period_ > 0) {
        KillTimer(window_, id_);
    }
    window_ = nullptr;
    period_ = 0;
}

} // namespace platform
