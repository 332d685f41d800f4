#pragma once
// The program's icon file, compiled into the program: the tray icon is made
// from these bytes.

#include <string_view>

namespace resources {

// The whole icon file (four images, 64, 48, 32 and 16 pixels wide).
std::string_view trayIconData();

} // namespace resources
