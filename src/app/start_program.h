#pragma once
// From the process entry to the running message loop.

// Initialises OLE, fixes the program directory (also made the current
// directory) and loads the main window, then runs the message loop.
// Gives the process exit code.
int startProgram();

namespace app {

// The steps of startProgram before the loop, for tests that drive the
// window themselves. OLE must already be initialised.
void fixProgramDirectory();
bool loadMainWindow();

} // namespace app
