#include "platform/open_externally.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

void openExternally(const std::string& address)
{
    const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace platform
