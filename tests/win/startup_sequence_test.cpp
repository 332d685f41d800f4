// The order of start-up: the created handler, with the extraction nested in
// its second focus move, then the resize handler, then the window shown.
#include "app/main_window.h"
#include "app/start_program.h"
#include "support/files.h"
#include "support/message_log.h"
#include "support/pump.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

using testsupport::ExpectedMessage;
using testsupport::LoggedMessage;
using testsupport::MessageLog;

namespace {

TEST(StartUpSequence, ExtractionRunsInsideTheSecondFocusMoveBeforeResizeAndShow)
{
    OleInitialize(nullptr);
    app::fixProgramDirectory();
    ASSERT_TRUE(testsupport::writeFileBytes(MainWindow.urlListFile.path(),
                                            "http://a.example/\r\nnote\r\nhttp://b.example/"));

    MessageLog log;
    ASSERT_TRUE(app::loadMainWindow());
    log.stop();

    MainWindowType& w = MainWindow;
    const std::vector<testsupport::NamedWindow> windows = {
        {"main", w.hwnd()},          {"label3", w.标签3.hwnd()},
        {"edit1", w.编辑框1.hwnd()}, {"webview1", w.超文本浏览框1.hwnd()},
        {"list1", w.列表框1.hwnd()},
    };
    // Only what shows the handlers' steps: focus moves, the list and label
    // updates, size changes and showing. Of the commands only the lost focus.
    std::vector<LoggedMessage> interesting;
    for (const LoggedMessage& message : log.messages()) {
        if (message.message == WM_COMMAND && HIWORD(message.wParam) != EN_KILLFOCUS) {
            continue;
        }
        if (message.message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(message.lParam)->flags & SWP_NOSIZE)) {
            continue;
        }
        interesting.push_back(message);
    }
    const auto actual = testsupport::filterLog(interesting, windows,
                                               {WM_SETTEXT, MessageLog::kFocusChange, WM_SETFOCUS,
                                                WM_KILLFOCUS, WM_COMMAND, LB_RESETCONTENT,
                                                LB_ADDSTRING, WM_WINDOWPOSCHANGED, WM_SHOWWINDOW});

    const WPARAM lostFocus = MAKEWPARAM(w.编辑框1.id(), EN_KILLFOCUS);
    const std::vector<ExpectedMessage> expected = {
        // Controls created at the form's sizes, then shown while the window is still hidden.
        {"list1", WM_WINDOWPOSCHANGED, false, 0, true},
        {"label3", WM_SHOWWINDOW, true, TRUE},
        {"edit1", WM_SHOWWINDOW, true, TRUE},
        {"webview1", WM_SHOWWINDOW, true, TRUE},
        {"list1", WM_SHOWWINDOW, true, TRUE},
        // The created handler: the loaded text, then the two focus moves.
        {"edit1", WM_SETTEXT},
        // Giving a control of the inactive window the focus activates the window first.
        {"edit1", MessageLog::kFocusChange},
        {"main", MessageLog::kFocusChange, false, 0, true},
        {"main", WM_SETFOCUS, false, 0, true},
        {"main", WM_KILLFOCUS, false, 0, true},
        {"edit1", WM_SETFOCUS},
        {"list1", MessageLog::kFocusChange},
        {"edit1", WM_KILLFOCUS},
        // The extraction, nested in the lost focus.
        {"main", WM_COMMAND, true, lostFocus},
        {"list1", LB_RESETCONTENT},
        {"list1", LB_ADDSTRING},
        {"list1", LB_ADDSTRING},
        {"label3", WM_SETTEXT},
        // The focus move completes only after the extraction.
        {"list1", WM_SETFOCUS},
        // The resize handler (the web view's width is unchanged, so only its height moves).
        {"webview1", WM_WINDOWPOSCHANGED},
        {"list1", WM_WINDOWPOSCHANGED},
        // Shown last.
        {"main", WM_SHOWWINDOW, true, TRUE},
        {"main", WM_WINDOWPOSCHANGED, false, 0, true},
    };
    const std::string difference = testsupport::compareSequence(actual, expected);
    EXPECT_TRUE(difference.empty()) << difference;

    DestroyWindow(w.hwnd());
    testsupport::pumpMessagesFor(20);
}

} // namespace
