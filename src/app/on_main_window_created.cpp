#include "app/handlers.h"
#include "app/landing_addresses.h"
#include "app/main_window.h"
#include "resources/tray_icon_data.h"

#include <string>

void onMainWindowCreated()
{
    MainWindow.编辑框1.setText(MainWindow.urlListFile.loadUrlListText());
    MainWindow.trayIcon().install(MainWindow.hwnd(), resources::trayIconData(), "Varnelle");
    MainWindow.超文本浏览框1.setAddress(MainWindow.编辑框1.text().empty() ? shopLandingAddress
                                                                          : startPageAddress);
    MainWindow.编辑框1.setFocus();
    // Leaving the edit box runs the extraction inside this focus move, so the
    // list is filled before the window is first shown.
    MainWindow.列表框1.setFocus();
}
