#include "platform/fatal_error_box.h"

#include "platform/fatal_error_text.h"

#include <windows.h>

#include <string>

namespace platform {

void fatalError(std::optional<long> errorCode, std::string_view message)
{
    const std::string text = fatalErrorText(errorCode, message);
    MessageBoxA(nullptr, text.c_str(), "错误", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}

} // namespace platform
