#include "platform/key_code.h"

namespace platform {

namespace {
constexpr int kNumpad0 = 0x60;
constexpr int kNumpad9 = 0x69;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kOemMinus = 189;
constexpr int kOemPeriod = 190;
constexpr int kOem2 = 191;
} // namespace

int keyEventCode(std::uintptr_t wParam)
{
    const int key = static_cast<int>(wParam & 0xFF);
    if (key >= kNumpad0 && key <= kNumpad9) {
        return '0' + (key - kNumpad0);
    }
    switch (key) {
    case kSubtract:
        return kOemMinus;
    case kDecimal:
        return kOemPeriod;
    case kDivide:
        return kOem2;
    default:
        return key;
    }
}

int modifierState(bool ctrlDown, bool shiftDown, bool altDown)
{
    return (ctrlDown ? 1 : 0) + (shiftDown ? 2 : 0) + (altDown ? 4 : 0);
}

} // namespace platform
