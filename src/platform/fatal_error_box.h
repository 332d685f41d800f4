#pragma once
// The toolkit's fatal error: a message box, then the process ends with -1.

#include <optional>
#include <string_view>

namespace platform {

[[noreturn]] void fatalError(std::optional<long> errorCode, std::string_view message);

} // namespace platform
