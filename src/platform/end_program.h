#pragma once
// Ends the process at once, without destroying the windows one by one.

namespace platform {

[[noreturn]] void endProgram(int exitCode);

} // namespace platform
