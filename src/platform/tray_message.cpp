#include "platform/tray_message.h"

namespace platform {
namespace {

// The mouse messages, as <windows.h> numbers them.
constexpr std::uint32_t kContextMenu = 0x007B;
constexpr std::uint32_t kLeftButtonUp = 0x0202;
constexpr std::uint32_t kLeftButtonDoubleClick = 0x0203;
constexpr std::uint32_t kRightButtonUp = 0x0205;

} // namespace

std::optional<int> trayEventArgument(std::uint32_t lParam)
{
    switch (lParam) {
    case kLeftButtonUp:
        return 1;
    case kLeftButtonDoubleClick:
        return 2;
    case kRightButtonUp:
    case kContextMenu:
        return 3;
    default:
        return std::nullopt;
    }
}

} // namespace platform
