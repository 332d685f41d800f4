#pragma once
// Which mouse messages on the tray icon raise the window's tray event.

#include <cstdint>
#include <optional>

namespace platform {

// The tray event's argument for the mouse message that the shell passes in
// the callback's lParam: 1 for a left-button release, 2 for a left
// double-click, 3 for a right-button release or the context-menu message;
// nothing for any other message (moves, presses).
std::optional<int> trayEventArgument(std::uint32_t lParam);

} // namespace platform
