#include "app/start_program.h"

#include "app/main_window.h"
#include "platform/fatal_error_box.h"
#include "platform/message_loop.h"
#include "platform/ole_session.h"
#include "urllist/program_directory.h"

#include <windows.h>

namespace app {

void fixProgramDirectory()
{
    const std::string directory = urllist::programDirectory();
    // A drive root ("C:") must become "C:\", or it would name the drive's
    // current directory instead.
    const std::string current =
        directory.size() == 2 && directory[1] == ':' ? directory + "\\" : directory;
    SetCurrentDirectoryA(current.c_str());
    MainWindow.urlListFile = urllist::UrlListFile(directory);
}

bool loadMainWindow()
{
    return MainWindow.load(mainWindowForm());
}

} // namespace app

int startProgram()
{
    platform::OleSession ole;
    app::fixProgramDirectory();
    if (!app::loadMainWindow()) {
        platform::fatalError(std::nullopt, "载入启动窗口失败");
    }
    if (MainWindow.exists()) {
        platform::runMessageLoop();
    }
    return 0;
}
