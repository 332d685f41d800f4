#pragma once
// The window the user works in, with its controls and its list file.

#include "platform/controls.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "platform/window_form.h"
#include "urllist/url_list_file.h"

class MainWindowType : public platform::Window {
public:
    platform::Label 标签1;
    platform::Label 标签3;
    platform::Timer 时钟1;
    platform::CheckBox 选择框1;
    platform::CheckBox 选择框2;
    platform::CheckBox 选择框3;
    platform::EditBox 编辑框2;
    platform::UpDown 编辑框2Arrows;
    platform::Label 标签2;
    platform::PushButton 按钮1;
    platform::EditBox 编辑框1;
    platform::WebViewControl 超文本浏览框1;
    platform::ListBox 列表框1;

    // "网址.txt" beside the program; fixed when the program starts.
    urllist::UrlListFile urlListFile;
};

extern MainWindowType MainWindow;

// The main window's settings and controls, with its handlers bound.
platform::WindowForm mainWindowForm();
