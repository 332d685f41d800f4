#include "platform/fatal_error_text.h"

namespace platform {

std::string fatalErrorText(std::optional<long> errorCode, std::string_view message)
{
    std::string text = "运行时出错!\r\n\r\n";
    if (errorCode) {
        text += "错误代码：";
        text += std::to_string(*errorCode);
        text += "\r\n\r\n";
    }
    if (!message.empty()) {
        text += "错误信息：";
        text += message;
        text += "\r\n";
    }
    return text;
}

} // namespace platform
