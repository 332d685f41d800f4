// The toolkit's plain rules: key codes, modifiers, the fatal-error text,
// centring and the size clamp; and the main window's resize rule.
#include "app/resize_rule.h"
#include "platform/fatal_error_text.h"
#include "platform/key_code.h"
#include "platform/size_clamp.h"
#include "platform/window_centring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

TEST(KeyEventCode, KeypadKeysReadAsTheMainKeyboardsKeys)
{
    struct Case {
        std::uintptr_t wParam;
        int code;
    };
    const Case cases[] = {
        {0x26, 38},     // Up
        {0x28, 40},     // Down
        {0x60, '0'},    // keypad 0
        {0x65, '5'},    // keypad 5
        {0x69, '9'},    // keypad 9
        {0x6D, 189},    // keypad minus
        {0x6E, 190},    // keypad point
        {0x6F, 191},    // keypad divide
        {0x6A, 0x6A},   // keypad multiply stays
        {0x6B, 0x6B},   // keypad plus stays
        {'A', 'A'},     // letters stay
        {0x1128, 0x28}, // only the low byte counts
        {0x70, 0x70},   // F1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::keyEventCode(c.wParam), c.code) << "wParam " << c.wParam;
    }
}

TEST(ModifierState, CtrlShiftAltAddUp)
{
    EXPECT_EQ(platform::modifierState(false, false, false), 0);
    EXPECT_EQ(platform::modifierState(true, false, false), 1);
    EXPECT_EQ(platform::modifierState(false, true, false), 2);
    EXPECT_EQ(platform::modifierState(false, false, true), 4);
    EXPECT_EQ(platform::modifierState(true, true, true), 7);
}

TEST(FatalErrorText, HasTheCodeAndTheMessageOnlyWhenGiven)
{
    EXPECT_EQ(platform::fatalErrorText(std::nullopt, "载入启动窗口失败"),
              "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    EXPECT_EQ(platform::fatalErrorText(-5, "x"),
              "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n错误信息：x\r\n");
    EXPECT_EQ(platform::fatalErrorText(42, ""), "运行时出错!\r\n\r\n错误代码：42\r\n\r\n");
    EXPECT_EQ(platform::fatalErrorText(std::nullopt, ""), "运行时出错!\r\n\r\n");
    // GBK bytes of the full-width colon after 错误信息.
    const std::string text = platform::fatalErrorText(std::nullopt, "m");
    EXPECT_NE(text.find("\xA3\xBA"), std::string::npos);
}

TEST(CentredPlace, HalvesTowardZeroAndGoesNegativeOnSmallScreens)
{
    struct Case {
        int screenWidth;
        int screenHeight;
        int x;
        int y;
    };
    const Case cases[] = {
        {1920, 1080, 260, 69}, {1600, 1200, 100, 129},
        {1366, 768, -17, -87}, {1401, 943, 0, 0}, // (1, 1) / 2
        {1399, 941, 0, 0},                        // (-1, -1) / 2 truncates toward zero
        {1397, 939, -1, -1},
    };
    for (const Case& c : cases) {
        const platform::Point place =
            platform::centredPlace(c.screenWidth, c.screenHeight, 1400, 942);
        EXPECT_EQ(place.x, c.x) << c.screenWidth << " x " << c.screenHeight;
        EXPECT_EQ(place.y, c.y) << c.screenWidth << " x " << c.screenHeight;
    }
}

TEST(ControlSize, IsClampedToZeroTo32627)
{
    EXPECT_EQ(platform::clampControlSize(-1), 0);
    EXPECT_EQ(platform::clampControlSize(0), 0);
    EXPECT_EQ(platform::clampControlSize(881), 881);
    EXPECT_EQ(platform::clampControlSize(32627), 32627);
    EXPECT_EQ(platform::clampControlSize(32628), 32627);
}

TEST(ResizeRule, WebViewAndListFollowTheOuterSize)
{
    EXPECT_EQ(app::webViewWidthFor(1400), 881);
    EXPECT_EQ(app::webViewHeightFor(942), 856);
    EXPECT_EQ(app::listHeightFor(942), 600);
    // Below the allowances the results go negative; the controls clamp them.
    EXPECT_EQ(platform::clampControlSize(app::webViewWidthFor(518)), 0);
    EXPECT_EQ(platform::clampControlSize(app::webViewHeightFor(85)), 0);
    EXPECT_EQ(platform::clampControlSize(app::listHeightFor(341)), 0);
    EXPECT_EQ(platform::clampControlSize(app::webViewWidthFor(40000)), 32627);
}

} // namespace
