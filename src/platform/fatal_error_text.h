#pragma once
// The text of the toolkit's fatal-error box.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// "运行时出错!\r\n\r\n", then "错误代码：<code>\r\n\r\n" when there is a code,
// then "错误信息：<message>\r\n" when there is a message.
std::string fatalErrorText(std::optional<long> errorCode, std::string_view message);

} // namespace platform
