#pragma once
// The running program's own path, as the system reports it in the ANSI code
// page.

#include <string>

namespace urllist {

// The full path of the process's executable, never cut short: the buffer grows
// until the whole path fits. Empty if the system cannot report it.
std::string moduleFileName();

} // namespace urllist
