#include "app/main_window.h"

MainWindowType MainWindow;
