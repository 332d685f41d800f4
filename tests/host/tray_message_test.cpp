#include "platform/tray_message.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

struct TrayMessageCase {
    const char* name;
    std::uint32_t lParam;
    std::optional<int> argument;
};

TEST(TrayEventArgument, MapsTheMouseMessagesThatRaiseTheEvent)
{
    const TrayMessageCase cases[] = {
        {"left button up", 0x0202, 1},
        {"left double-click", 0x0203, 2},
        {"right button up", 0x0205, 3},
        {"context menu", 0x007B, 3},
        {"mouse move", 0x0200, std::nullopt},
        {"left button down", 0x0201, std::nullopt},
        {"right button down", 0x0204, std::nullopt},
        {"right double-click", 0x0206, std::nullopt},
        {"middle button up", 0x0208, std::nullopt},
        {"zero", 0, std::nullopt},
        {"select (version 4)", 0x0400, std::nullopt},
        {"left button up with an icon id above it", 0x00640202, std::nullopt},
    };
    for (const TrayMessageCase& c : cases) {
        EXPECT_EQ(platform::trayEventArgument(c.lParam), c.argument) << c.name;
    }
}

} // namespace
