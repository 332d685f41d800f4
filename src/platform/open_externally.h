#pragma once
// The shell's "open" action for an address.

#include <string>

namespace platform {

// Hands `address`, unchanged, to the program registered for it (the default web browser for
// "http://" addresses). The shell's result is not looked at.
void openExternally(const std::string& address);

} // namespace platform
