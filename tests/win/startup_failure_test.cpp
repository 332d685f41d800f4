// When the main window cannot be created, the program shows the toolkit's
// fatal-error box and ends with exit code -1. The program runs in a child
// process of this test, which reads the box and answers it.
#include "app/start_program.h"
#include "platform/unique_handle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

constexpr const char* kChildFlag = "--start-with-failing-window";

// Refuses the creation of the main window, as a system out of resources would.
LRESULT CALLBACK refuseMainWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const char* className = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::strcmp(className, "VarnelleMainWindow") == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct BoxSearch {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK findBox(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof className);
    // Only once the box is shown are its caption and texts all in place.
    if (processId == search->processId && std::strcmp(className, "#32770") == 0 &&
        IsWindowVisible(hwnd)) {
        search->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND hwnd)
{
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

TEST(StartUpFailure, ShowsTheFatalErrorBoxAndEndsWithMinusOne)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string commandLine = std::string("\"") + self + "\" " + kChildFlag;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info));
    platform::UniqueKernelHandle process(info.hProcess);
    platform::UniqueKernelHandle thread(info.hThread);

    BoxSearch search{info.dwProcessId, nullptr};
    for (int i = 0; i < 300 && !search.box; ++i) {
        Sleep(50);
        EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.box, nullptr) << "no message box appeared";
    EXPECT_EQ(windowText(search.box), "错误");
    EXPECT_EQ(GetWindow(search.box, GW_OWNER), nullptr);
    EXPECT_EQ(windowText(GetDlgItem(search.box, 0xFFFF)),
              "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    // A box with only an OK button: its one button is IDOK.
    EXPECT_NE(GetDlgItem(search.box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(search.box, IDCANCEL), nullptr);

    PostMessageA(search.box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, static_cast<DWORD>(-1));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) {
        SetWindowsHookExA(WH_CBT, refuseMainWindow, nullptr, GetCurrentThreadId());
        return startProgram();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
