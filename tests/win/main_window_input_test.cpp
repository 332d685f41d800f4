// Real keyboard and mouse input to the main window: the key events of the
// entry list, clicks and double-clicks, and the keys the window leaves alone.
#include "app/main_window.h"
#include "app/start_program.h"
#include "support/pump.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <utility>
#include <vector>

using testsupport::pumpMessagesFor;

namespace {

std::vector<std::pair<int, int>> releasedKeys;
std::vector<int> events;

void recordKeyRelease(int keyCode, int modifiers)
{
    releasedKeys.emplace_back(keyCode, modifiers);
}

// The selection a double-click leaves when its event is raised.
void recordDoubleClick()
{
    events.push_back(MainWindow.列表框1.selection());
}

// A click's event sees the state the click has already toggled.
void recordClick()
{
    events.push_back(MainWindow.选择框2.checked());
}

void mouseTo(POINT screen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void clickAt(POINT screen, int times)
{
    mouseTo(screen);
    for (int i = 0; i < times; ++i) {
        INPUT inputs[2] = {};
        inputs[0].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].type = INPUT_MOUSE;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
    testsupport::pumpMessagesFor(200);
}

POINT centreOf(HWND hwnd, RECT rect)
{
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(hwnd, &centre);
    return centre;
}

INPUT key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Presses and releases the key, with the modifiers held around it.
void typeKey(WORD virtualKey, std::vector<WORD> modifiers = {})
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(key(modifier, false));
    }
    inputs.push_back(key(virtualKey, false));
    inputs.push_back(key(virtualKey, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        inputs.push_back(key(*it, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    pumpMessagesFor(150);
}

class MainWindowInputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        app::fixProgramDirectory();
        DeleteFileA(MainWindow.urlListFile.path().c_str());
        ASSERT_TRUE(app::loadMainWindow());
        MainWindow.列表框1.onKeyReleased = recordKeyRelease;
        MainWindow.列表框1.onDoubleClicked = recordDoubleClick;
        MainWindow.选择框2.onClicked = recordClick;
        MainWindow.编辑框1.setText("http://a.example/\r\nhttp://b.example/\r\nhttp://c.example/");
        MainWindow.编辑框1.setFocus();
        MainWindow.列表框1.setFocus();
        SetForegroundWindow(MainWindow.hwnd());
        pumpMessagesFor(300);
    }

    static void TearDownTestSuite()
    {
        DestroyWindow(MainWindow.hwnd());
        pumpMessagesFor(20);
    }

    void SetUp() override
    {
        SetForegroundWindow(MainWindow.hwnd());
        MainWindow.列表框1.setFocus();
        pumpMessagesFor(50);
        releasedKeys.clear();
        events.clear();
    }
};

TEST_F(MainWindowInputTest, ReleasesInTheListRaiseTheKeyEventWithCodeAndModifiers)
{
    ASSERT_EQ(GetForegroundWindow(), MainWindow.hwnd());
    struct Case {
        WORD key;
        std::vector<WORD> modifiers;
        int code;
        int modifierState;
    };
    const Case cases[] = {
        {VK_DOWN, {}, 40, 0},
        {VK_UP, {VK_CONTROL}, 38, 1},
        {VK_DOWN, {VK_SHIFT}, 40, 2},
        {VK_DOWN, {VK_MENU}, 40, 4}, // WM_SYSKEYUP
        {VK_UP, {VK_CONTROL, VK_SHIFT}, 38, 3},
        {VK_NUMPAD7, {}, '7', 0},
        {VK_SUBTRACT, {}, 189, 0},
        {VK_DECIMAL, {}, 190, 0},
        {VK_DIVIDE, {}, 191, 0},
        {'A', {}, 'A', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key);
        releasedKeys.clear();
        MainWindow.列表框1.setFocus();
        typeKey(c.key, c.modifiers);
        // The modifiers' own releases come too; the key's release is the one that matters.
        ASSERT_FALSE(releasedKeys.empty());
        EXPECT_EQ(releasedKeys.front(), std::make_pair(c.code, c.modifierState));
    }
}

TEST_F(MainWindowInputTest, DoubleClickOnAnEntryRaisesTheListEventWithThatEntrySelected)
{
    HWND list = MainWindow.列表框1.hwnd();
    RECT item{};
    ASSERT_NE(SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item)), LB_ERR);
    clickAt(centreOf(list, item), 2);
    EXPECT_EQ(events, std::vector<int>{2});
    // A single click selects without the event.
    events.clear();
    SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    Sleep(GetDoubleClickTime() + 50);
    clickAt(centreOf(list, item), 1);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(MainWindow.列表框1.selection(), 0);
}

TEST_F(MainWindowInputTest, ClicksOnACheckBoxRaiseItsEventAfterTheToggle)
{
    HWND box = MainWindow.选择框2.hwnd();
    RECT client{};
    GetClientRect(box, &client);
    clickAt(centreOf(box, client), 1);
    EXPECT_EQ(events, std::vector<int>{1});
    // Space on the focused box toggles it the same way.
    typeKey(VK_SPACE);
    EXPECT_EQ(events, (std::vector<int>{1, 0}));
    EXPECT_EQ(MainWindow.选择框2.checked(), 0);
}

TEST_F(MainWindowInputTest, SwitchingAwayRebuildsTheListAndComingBackRestoresTheFocus)
{
    // Another window takes the activation, as another program would.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    MainWindow.编辑框1.setFocus();
    MainWindow.编辑框1.setText("http://x.example/\r\nhttp://y.example/");
    SetForegroundWindow(other);
    pumpMessagesFor(100);
    EXPECT_EQ(MainWindow.列表框1.count(), 2) << "leaving for another window is a lost focus";
    EXPECT_EQ(MainWindow.列表框1.itemText(1), "http://y.example/");

    SetForegroundWindow(MainWindow.hwnd());
    pumpMessagesFor(100);
    EXPECT_EQ(GetFocus(), MainWindow.编辑框1.hwnd());
    DestroyWindow(other);

    MainWindow.编辑框1.setText("http://a.example/\r\nhttp://b.example/\r\nhttp://c.example/");
    MainWindow.列表框1.setFocus();
}

TEST_F(MainWindowInputTest, ArrowsStillReachTheList)
{
    MainWindow.列表框1.select(0);
    typeKey(VK_DOWN);
    EXPECT_EQ(MainWindow.列表框1.selection(), 1);
    typeKey(VK_UP);
    EXPECT_EQ(MainWindow.列表框1.selection(), 0);
}

TEST_F(MainWindowInputTest, EscEnterAndF1LeaveTheWindowAlone)
{
    HWND list = MainWindow.列表框1.hwnd();
    typeKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(MainWindow.hwnd()));
    EXPECT_TRUE(IsWindowVisible(MainWindow.hwnd()));
    typeKey(VK_RETURN);
    EXPECT_EQ(GetFocus(), list);
    typeKey(VK_F1);
    EXPECT_EQ(GetForegroundWindow(), MainWindow.hwnd());
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(MainWindowInputTest, TabMovesAmongTheTabStops)
{
    // Forward from the list wraps to the first check box, back returns.
    typeKey(VK_TAB);
    EXPECT_EQ(GetFocus(), MainWindow.选择框1.hwnd());
    typeKey(VK_TAB);
    EXPECT_EQ(GetFocus(), MainWindow.选择框2.hwnd());
    typeKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), MainWindow.选择框1.hwnd());
    typeKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), MainWindow.列表框1.hwnd());
}

} // namespace
