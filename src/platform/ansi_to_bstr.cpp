#include "platform/ansi_to_bstr.h"

#include <cstring>

namespace platform {

UniqueBstr ansiToBstr(const std::string& text) noexcept
{
    const int length = static_cast<int>(std::strlen(text.c_str()));
    const int wideLength =
        length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, nullptr, 0);
    UniqueBstr result(SysAllocStringLen(nullptr, static_cast<UINT>(wideLength)));
    if (result.get() && wideLength > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, result.get(), wideLength);
    }
    return result;
}

} // namespace platform
