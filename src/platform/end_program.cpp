#include "platform/end_program.h"

#include <ole2.h>
#include <windows.h>

namespace platform {

void endProgram(int exitCode)
{
    OleUninitialize();
    ExitProcess(static_cast<UINT>(exitCode));
}

} // namespace platform
