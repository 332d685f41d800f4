#include "app/handlers.h"
#include "app/main_window.h"
#include "app/resize_rule.h"

void onMainWindowResized()
{
    MainWindow.超文本浏览框1.setWidth(app::webViewWidthFor(MainWindow.width()));
    MainWindow.超文本浏览框1.setHeight(app::webViewHeightFor(MainWindow.height()));
    MainWindow.列表框1.setHeight(app::listHeightFor(MainWindow.height()));
}
