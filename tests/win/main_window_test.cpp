// The real main window, loaded the way the program loads it at start.
#include "app/globals.h"
#include "app/landing_addresses.h"
#include "app/main_window.h"
#include "app/start_program.h"
#include "platform/message_loop.h"
#include "platform/tray_icon.h"
#include "support/files.h"
#include "support/geometry.h"
#include "support/pump.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

using testsupport::placeInParent;
using testsupport::pumpMessagesFor;

namespace {

std::string className(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::vector<std::string> listItems()
{
    std::vector<std::string> items;
    for (int i = 0; i < MainWindow.列表框1.count(); ++i) {
        items.push_back(MainWindow.列表框1.itemText(i));
    }
    return items;
}

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OleInitialize(nullptr);
        app::fixProgramDirectory();
    }

    void TearDown() override
    {
        if (MainWindow.exists()) {
            DestroyWindow(MainWindow.hwnd());
        }
        pumpMessagesFor(20);
    }

    static std::string listFile() { return MainWindow.urlListFile.path(); }

    // Starts with the given list file, or with none.
    static void startWith(const std::optional<std::string>& fileBytes)
    {
        DeleteFileA(listFile().c_str());
        if (fileBytes) {
            ASSERT_TRUE(testsupport::writeFileBytes(listFile(), *fileBytes));
        }
        ASSERT_TRUE(app::loadMainWindow());
        pumpMessagesFor(50);
    }
};

struct ControlRow {
    const char* name;
    platform::Control* control;
    const char* className;
    RECT place; // left, top, right, bottom in the window's client area
    const char* text;
    DWORD styleSet;
    DWORD styleClear;
    bool visible;
    bool enabled;
};

TEST_F(MainWindowTest, ControlsStartAsTheFormGivesThem)
{
    startWith(std::string("http://a.example/\r\n"));
    MainWindowType& w = MainWindow;
    const DWORD check = BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER | WS_TABSTOP;
    // WS_VSCROLL comes and goes with the need to scroll.
    const DWORD listStyle = LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
    const DWORD editStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;
    const ControlRow rows[] = {
        {"标签1", &w.标签1, "Static", {8, 8, 80, 32}, "网址列表：", 0, WS_TABSTOP, true, true},
        {"标签3",
         &w.标签3,
         "Static",
         {88, 8, 504, 32},
         "总共有：1个网址。",
         0,
         WS_TABSTOP,
         true,
         true},
        {"选择框1", &w.选择框1, "Button", {752, 8, 872, 32}, "内置IE浏览器", check, 0, true, true},
        {"选择框2", &w.选择框2, "Button", {933, 8, 1053, 32}, "窗口置顶", check, 0, true, true},
        {"选择框3", &w.选择框3, "Button", {1076, 8, 1140, 32}, "每隔：", check, 0, true, true},
        {"编辑框2",
         &w.编辑框2,
         "Edit",
         {1131, 8, 1191, 32},
         "5",
         ES_CENTER | WS_TABSTOP,
         ES_MULTILINE,
         true,
         false},
        {"编辑框2 arrows",
         &w.编辑框2Arrows,
         "msctls_updown32",
         {1191, 8, 1209, 32},
         "",
         0,
         0,
         true,
         false},
        {"标签2",
         &w.标签2,
         "Static",
         {1212, 8, 1332, 32},
         "秒钟自动打开网址。",
         0,
         WS_TABSTOP,
         true,
         true},
        {"按钮1",
         &w.按钮1,
         "Button",
         {1325, 8, 1365, 32},
         "启动",
         BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP,
         BS_DEFPUSHBUTTON,
         false,
         true},
        {"编辑框1",
         &w.编辑框1,
         "Edit",
         {2, 40, 502, 296},
         "http://a.example/\r\n",
         editStyle,
         WS_HSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
         true,
         true},
        {"超文本浏览框1",
         &w.超文本浏览框1,
         "",
         {508, 40, 508 + 881, 40 + 856},
         "",
         WS_TABSTOP,
         0,
         true,
         true},
        {"列表框1", &w.列表框1, "ListBox", {2, 304, 502, 904}, "", listStyle, LBS_SORT, true, true},
    };
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        HWND hwnd = row.control->hwnd();
        ASSERT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(GetParent(hwnd), MainWindow.hwnd());
        if (*row.className) {
            EXPECT_STRCASEEQ(className(hwnd).c_str(), row.className);
        }
        const RECT place = placeInParent(hwnd);
        EXPECT_EQ(place.left, row.place.left);
        EXPECT_EQ(place.top, row.place.top);
        EXPECT_EQ(place.right, row.place.right);
        EXPECT_EQ(place.bottom, row.place.bottom);
        if (row.control != &w.超文本浏览框1 && row.control != &w.列表框1 &&
            row.control != &w.编辑框2Arrows) {
            EXPECT_EQ(row.control->text(), row.text);
        }
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        EXPECT_EQ(style & row.styleSet, row.styleSet);
        EXPECT_EQ(style & row.styleClear, 0u);
        EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, row.visible);
        EXPECT_EQ(IsWindowEnabled(hwnd) != FALSE, row.enabled);
    }
    EXPECT_EQ(w.选择框1.checked(), 1);
    EXPECT_EQ(w.选择框2.checked(), 0);
    EXPECT_EQ(w.选择框3.checked(), 0);
    EXPECT_EQ(w.时钟1.period(), 0);
    EXPECT_EQ(w.超文本浏览框1.view().address(), startPageAddress);
}

TEST_F(MainWindowTest, WindowIsCentredWithItsFrameAndClass)
{
    startWith(std::nullopt);
    HWND hwnd = MainWindow.hwnd();
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 1400);
    EXPECT_EQ(rect.bottom - rect.top, 942);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 1400) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 942) / 2);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);

    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    const DWORD frame =
        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
    EXPECT_EQ(style & frame, frame);
    const ULONG_PTR classStyle = GetClassLongPtrA(hwnd, GCL_STYLE);
    EXPECT_EQ(classStyle & (CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW),
              static_cast<ULONG_PTR>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND)),
              GetStockObject(NULL_BRUSH));

    char caption[256] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind("Varnelle V1.0    官网：http://", 0), 0u) << caption;
    EXPECT_NE(std::string(caption).find("    QQ："), std::string::npos) << caption;

    // The background is painted in the button-face colour, though the class has no brush.
    HDC dc = GetDC(hwnd);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetPixel(dc, 600, 20), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(hwnd, dc);
}

TEST_F(MainWindowTest, FontsAndItemHeight)
{
    startWith(std::nullopt);
    auto fontOf = [](const platform::Control& control) {
        return reinterpret_cast<HFONT>(SendMessageA(control.hwnd(), WM_GETFONT, 0, 0));
    };
    for (const platform::Control* control :
         {static_cast<const platform::Control*>(&MainWindow.编辑框1),
          static_cast<const platform::Control*>(&MainWindow.列表框1)}) {
        LOGFONTA font{};
        ASSERT_TRUE(GetObjectA(fontOf(*control), sizeof font, &font));
        EXPECT_EQ(font.lfHeight, -14);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
    }
    const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(fontOf(MainWindow.标签3), gui);
    EXPECT_EQ(fontOf(MainWindow.选择框1), gui);
    EXPECT_EQ(fontOf(MainWindow.编辑框2), gui);
    EXPECT_EQ(fontOf(MainWindow.按钮1), gui);

    HDC dc = GetDC(MainWindow.列表框1.hwnd());
    HGDIOBJ old = SelectObject(dc, fontOf(MainWindow.列表框1));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(MainWindow.列表框1.hwnd(), dc);
    EXPECT_EQ(SendMessageA(MainWindow.列表框1.hwnd(), LB_GETITEMHEIGHT, 0, 0),
              metrics.tmHeight + 2);
}

TEST_F(MainWindowTest, StartUpFillsTheListFromTheFile)
{
    const std::string text = "notes\r\nhttp://b.example/page \r\n\r\nHTTP://upper.example/\r\n"
                             "http://a.example/?u=http://c.example/\r\nhttp://b.example/page \r\n";
    DeleteFileA(listFile().c_str());
    ASSERT_TRUE(testsupport::writeFileBytes(listFile(), text));
    FILETIME old{};
    old.dwHighDateTime = 0x01C00000; // long ago
    testsupport::setLastWriteTime(listFile(), old);

    ASSERT_TRUE(app::loadMainWindow());
    pumpMessagesFor(50);

    EXPECT_EQ(MainWindow.编辑框1.text(), text);
    EXPECT_EQ(listItems(),
              (std::vector<std::string>{"http://b.example/page ",
                                        "http://a.example/?u=", "http://b.example/page "}));
    EXPECT_EQ(MainWindow.列表框1.selection(), -1);
    EXPECT_EQ(MainWindow.标签3.text(), "总共有：3个网址。");
    EXPECT_EQ(urlCount, 3);
    EXPECT_EQ(GetFocus(), MainWindow.列表框1.hwnd());
    EXPECT_EQ(MainWindow.超文本浏览框1.address(), startPageAddress);
    EXPECT_EQ(MainWindow.超文本浏览框1.width(), 881);
    EXPECT_EQ(MainWindow.超文本浏览框1.height(), 856);
    EXPECT_EQ(MainWindow.列表框1.width(), 500);
    EXPECT_EQ(MainWindow.列表框1.height(), 600);
    EXPECT_TRUE(MainWindow.trayIcon().installed());

    EXPECT_EQ(testsupport::readFileBytes(listFile()), text);
    const std::optional<FILETIME> written = testsupport::lastWriteTime(listFile());
    ASSERT_TRUE(written);
    EXPECT_GT(written->dwHighDateTime, old.dwHighDateTime) << "the file was not written back";
}

TEST_F(MainWindowTest, LandingPageFollowsTheText)
{
    struct Case {
        std::optional<std::string> file;
        const char* address;
        int entries;
    };
    const Case cases[] = {
        {std::nullopt, shopLandingAddress, 0},
        {std::string(), shopLandingAddress, 0},
        {std::string("\r\n\r\n"), startPageAddress, 0},
        {std::string("just a note"), startPageAddress, 0},
        {std::string("http://x.example/"), startPageAddress, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file ? "file: " + *c.file : std::string("no file"));
        startWith(c.file);
        EXPECT_EQ(MainWindow.超文本浏览框1.address(), c.address);
        EXPECT_EQ(MainWindow.列表框1.count(), c.entries);
        EXPECT_EQ(MainWindow.标签3.text(), "总共有：" + std::to_string(c.entries) + "个网址。");
        // The start-up extraction leaves the file behind, 0 bytes when there was none.
        EXPECT_EQ(testsupport::readFileBytes(listFile()), c.file.value_or(""));
        DestroyWindow(MainWindow.hwnd());
        pumpMessagesFor(20);
    }
}

TEST_F(MainWindowTest, LeavingTheListTextRebuildsTheListAndTheFile)
{
    startWith(std::string("http://one.example/\r\nhttp://two.example/"));
    MainWindow.列表框1.select(1);
    ASSERT_EQ(MainWindow.列表框1.selection(), 1);

    // Unchanged text: same entries, selection gone, file rewritten.
    MainWindow.编辑框1.setFocus();
    DeleteFileA(listFile().c_str());
    MainWindow.列表框1.setFocus();
    EXPECT_EQ(MainWindow.列表框1.count(), 2);
    EXPECT_EQ(MainWindow.列表框1.selection(), -1);
    EXPECT_EQ(testsupport::readFileBytes(listFile()),
              std::string("http://one.example/\r\nhttp://two.example/"));

    // Typed text counts only once the box loses the focus, to any control.
    MainWindow.编辑框1.setFocus();
    const std::string edited = "http://three.example/\r\nnote\r\n";
    MainWindow.编辑框1.setText(edited);
    EXPECT_EQ(MainWindow.列表框1.count(), 2);
    SetFocus(MainWindow.选择框2.hwnd());
    EXPECT_EQ(listItems(), std::vector<std::string>{"http://three.example/"});
    EXPECT_EQ(urlCount, 1);
    EXPECT_EQ(MainWindow.标签3.text(), "总共有：1个网址。");
    EXPECT_EQ(testsupport::readFileBytes(listFile()), edited);
}

TEST_F(MainWindowTest, ResizingLaysOutTheWebViewAndTheList)
{
    startWith(std::nullopt);
    struct Case {
        int width;
        int height;
        int webViewWidth;
        int webViewHeight;
        int listHeight;
    };
    const Case cases[] = {
        {1000, 700, 481, 614, 358},
        {519, 342, 0, 256, 0},
        {300, 80, 0, 0, 0}, // never negative
        {1400, 942, 881, 856, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        SetWindowPos(MainWindow.hwnd(), nullptr, 0, 0, c.width, c.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pumpMessagesFor(20);
        ASSERT_EQ(MainWindow.width(), c.width);
        ASSERT_EQ(MainWindow.height(), c.height);
        EXPECT_EQ(MainWindow.超文本浏览框1.width(), c.webViewWidth);
        EXPECT_EQ(MainWindow.超文本浏览框1.height(), c.webViewHeight);
        EXPECT_EQ(MainWindow.列表框1.height(), c.listHeight);
        EXPECT_EQ(MainWindow.列表框1.width(), 500);
        EXPECT_EQ(MainWindow.编辑框1.width(), 500);
        EXPECT_EQ(MainWindow.编辑框1.height(), 256);
    }
}

// Whether the shell holds the window's icon: modifying an absent icon fails.
bool shellHasTrayIcon()
{
    NOTIFYICONDATAA record =
        platform::trayIconRecord(MainWindow.hwnd(), MainWindow.trayIcon().icon(), "Varnelle");
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

TEST_F(MainWindowTest, TrayIconComesBackWhenTheNotificationAreaIsRecreated)
{
    startWith(std::nullopt);
    ASSERT_TRUE(shellHasTrayIcon());
    // The shell restarts: its icons are gone and it tells every window.
    NOTIFYICONDATAA record = platform::trayIconRecord(MainWindow.hwnd(), nullptr, "");
    Shell_NotifyIconA(NIM_DELETE, &record);
    ASSERT_FALSE(shellHasTrayIcon());
    SendMessageA(MainWindow.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(shellHasTrayIcon());
}

TEST_F(MainWindowTest, PressesOnTheBackgroundAndOnLabelsMoveTheWindow)
{
    startWith(std::nullopt);
    struct Case {
        const char* name;
        HWND target;
        bool dispatched;
        bool drags;
    };
    const Case cases[] = {
        {"background", MainWindow.hwnd(), true, true},
        {"label", MainWindow.标签1.hwnd(), false, true},
        {"list box", MainWindow.列表框1.hwnd(), true, false},
        {"check box", MainWindow.选择框1.hwnd(), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pumpMessagesFor(10);
        MSG press{};
        press.hwnd = c.target;
        press.message = WM_LBUTTONDOWN;
        press.wParam = MK_LBUTTON;
        press.lParam = MAKELPARAM(3, 3);
        EXPECT_EQ(platform::preTranslateMessage(press), c.dispatched);
        MSG posted{};
        const bool drag = PeekMessageA(&posted, MainWindow.hwnd(), WM_NCLBUTTONDOWN,
                                       WM_NCLBUTTONDOWN, PM_REMOVE) != FALSE;
        EXPECT_EQ(drag, c.drags);
        if (drag) {
            EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTCAPTION));
            EXPECT_EQ(posted.lParam, 0);
        }
    }
}

} // namespace
