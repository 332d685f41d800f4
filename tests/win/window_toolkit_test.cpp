// The window toolkit on a small window of its own: the loading steps, the
// destroy request and a load that comes before it is carried out, the timer
// control's period rules, the window settings and the end of the loop.
#include "platform/controls.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "support/pump.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using testsupport::pumpMessagesFor;

namespace {

class TestWindowType : public platform::Window {
public:
    platform::Label label;
    platform::EditBox edit;
    platform::Timer timer;
};

TestWindowType testWindow;
std::vector<std::string> events;

void record(const char* event)
{
    events.push_back(event + std::string(testWindow.visible() ? " (shown)" : " (hidden)"));
}

platform::WindowForm testForm(std::int32_t timerPeriod = 0)
{
    testWindow.onCreated = [] {
        record("created");
        // A focus move inside the handler, as the main window's does.
        testWindow.edit.setFocus();
    };
    testWindow.onPositionChanged = [] { record("position"); };
    testWindow.onSizeChanged = [] { record("size"); };
    testWindow.edit.onGotFocus = [] { record("edit got focus"); };
    testWindow.timer.onTick = [] { record("tick"); };

    platform::WindowForm form;
    form.className = "VarnelleToolkitTestWindow";
    form.caption = "toolkit";
    form.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    form.x = 40;
    form.y = 50;
    form.width = 300;
    form.height = 200;
    platform::ControlForm label;
    label.control = &testWindow.label;
    label.kind = platform::ControlKind::Label;
    label.width = 100;
    label.height = 20;
    label.text = "label";
    form.controls.push_back(label);
    platform::ControlForm edit = label;
    edit.control = &testWindow.edit;
    edit.kind = platform::ControlKind::EditBox;
    edit.y = 30;
    edit.tabStop = true;
    form.controls.push_back(edit);
    form.timers.push_back(platform::TimerForm{&testWindow.timer, timerPeriod});
    return form;
}

class WindowToolkitTest : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    void TearDown() override
    {
        if (testWindow.exists()) {
            DestroyWindow(testWindow.hwnd());
        }
        pumpMessagesFor(20);
    }
};

TEST_F(WindowToolkitTest, LoadRaisesItsEventsWhileHiddenThenShowsTheWindow)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    // The edit box reports its focus when it gets it and once more when the
    // loaded window has the focus in it.
    EXPECT_EQ(events, (std::vector<std::string>{"created (hidden)", "edit got focus (hidden)",
                                                "position (hidden)", "size (hidden)",
                                                "edit got focus (shown)"}));
    EXPECT_TRUE(testWindow.visible());
    EXPECT_EQ(GetFocus(), testWindow.edit.hwnd());
    RECT rect{};
    GetWindowRect(testWindow.hwnd(), &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(testWindow.width(), 300);
    EXPECT_EQ(testWindow.height(), 200);

    // Loading a window that is up brings it forward and raises nothing.
    const HWND first = testWindow.hwnd();
    events.clear();
    ASSERT_TRUE(testWindow.load(testForm()));
    EXPECT_EQ(testWindow.hwnd(), first);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowToolkitTest, DestroyRequestIsCarriedOutAfterTheCurrentHandler)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    const HWND first = testWindow.hwnd();
    testWindow.requestDestroy();
    EXPECT_TRUE(IsWindow(first));
    EXPECT_TRUE(testWindow.closing());
    pumpMessagesFor(50);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(testWindow.exists());
}

TEST_F(WindowToolkitTest, LoadAfterADestroyRequestReplacesTheWindowAtOnce)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    const HWND first = testWindow.hwnd();
    testWindow.requestDestroy();
    events.clear();
    ASSERT_TRUE(testWindow.load(testForm()));
    EXPECT_FALSE(IsWindow(first)) << "the closing window is destroyed by the load";
    EXPECT_NE(testWindow.hwnd(), first);
    EXPECT_FALSE(testWindow.closing());
    EXPECT_EQ(events.front(), "created (hidden)");
    // The request posted to the old window finds nothing to destroy.
    pumpMessagesFor(50);
    EXPECT_TRUE(testWindow.exists());
}

TEST_F(WindowToolkitTest, DestroyingTheLastWindowEndsTheLoop)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    pumpMessagesFor(20);
    SendMessageA(testWindow.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(testWindow.exists());
    MSG quit{};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(WindowToolkitTest, TimerPeriodRules)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    platform::Timer& timer = testWindow.timer;
    EXPECT_EQ(timer.period(), 0);
    pumpMessagesFor(150);
    EXPECT_TRUE(events.empty() || events.back().rfind("tick", 0) != 0);

    timer.setPeriod(-3000);
    EXPECT_EQ(timer.period(), 0);

    events.clear();
    timer.setPeriod(40);
    EXPECT_EQ(timer.period(), 40);
    pumpMessagesFor(400);
    const size_t ticks = events.size();
    EXPECT_GE(ticks, 3u);

    // The same period again does not restart the countdown: setting it
    // every 30 ms still lets 40 ms ticks through.
    events.clear();
    for (int i = 0; i < 15; ++i) {
        timer.setPeriod(40);
        pumpMessagesFor(30);
    }
    EXPECT_GE(events.size(), 3u);

    timer.setPeriod(0);
    events.clear();
    pumpMessagesFor(200);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowToolkitTest, FormTimerWithAPeriodStartsWithTheWindowAndStopsWithIt)
{
    ASSERT_TRUE(testWindow.load(testForm(30)));
    events.clear();
    pumpMessagesFor(300);
    EXPECT_FALSE(events.empty());
    DestroyWindow(testWindow.hwnd());
    EXPECT_EQ(testWindow.timer.period(), 0);
}

TEST_F(WindowToolkitTest, WindowSettings)
{
    ASSERT_TRUE(testWindow.load(testForm()));
    HWND hwnd = testWindow.hwnd();

    testWindow.setAlwaysOnTop(true);
    EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    testWindow.setAlwaysOnTop(false);
    EXPECT_FALSE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    testWindow.setVisible(false);
    EXPECT_FALSE(testWindow.visible());
    // A place mode on a hidden window is only stored.
    testWindow.setPlaceMode(1);
    EXPECT_EQ(testWindow.placeMode(), 1);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 40);

    testWindow.setVisible(true);
    ShowWindow(hwnd, SW_MAXIMIZE);
    testWindow.setPlaceMode(7); // clamped to 3, maximized
    EXPECT_EQ(testWindow.placeMode(), 3);
    testWindow.setPlaceMode(1); // restored, then centred
    EXPECT_FALSE(IsZoomed(hwnd));
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);

    testWindow.setHeight(240);
    EXPECT_EQ(testWindow.height(), 240);
}

} // namespace
