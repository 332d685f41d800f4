#include "app/handlers.h"
#include "app/main_window.h"
#include "app/main_window_caption.h"

#include <commctrl.h>

using platform::ControlFont;
using platform::ControlForm;
using platform::ControlKind;

namespace {

ControlForm label(platform::Label& control, int x, int y, int width, int height, const char* text)
{
    ControlForm form;
    form.control = &control;
    form.kind = ControlKind::Label;
    form.x = x;
    form.y = y;
    form.width = width;
    form.height = height;
    form.text = text;
    return form;
}

ControlForm checkBox(platform::CheckBox& control, int x, int y, int width, const char* text)
{
    ControlForm form;
    form.control = &control;
    form.kind = ControlKind::CheckBox;
    form.x = x;
    form.y = y;
    form.width = width;
    form.height = 24;
    form.text = text;
    form.tabStop = true;
    return form;
}

} // namespace

platform::WindowForm mainWindowForm()
{
    MainWindowType& w = MainWindow;
    w.onCreated = onMainWindowCreated;
    w.onSizeChanged = onMainWindowResized;
    w.编辑框1.onLostFocus = extractUrlEntries;

    platform::WindowForm form;
    form.className = "VarnelleMainWindow";
    form.caption = mainWindowCaption;
    form.style =
        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
    form.place = platform::WindowPlace::CentredOnScreen;
    form.width = 1400;
    form.height = 942;
    form.visible = true;
    form.dragByBackground = true;
    form.iconResource = "DEFAULT_ICON";

    form.controls.push_back(label(w.标签1, 8, 8, 72, 24, "网址列表："));
    form.controls.push_back(label(w.标签3, 88, 8, 416, 24, ""));

    form.controls.push_back(checkBox(w.选择框1, 752, 8, 120, "内置IE浏览器"));
    form.controls.back().checked = true;
    form.controls.push_back(checkBox(w.选择框2, 933, 8, 120, "窗口置顶"));
    form.controls.push_back(checkBox(w.选择框3, 1076, 8, 64, "每隔："));

    ControlForm interval;
    interval.control = &w.编辑框2;
    interval.kind = ControlKind::EditBox;
    interval.x = 1131;
    interval.y = 8;
    interval.width = 60;
    interval.height = 24;
    interval.text = "5";
    interval.style = ES_CENTER | ES_AUTOHSCROLL;
    interval.exStyle = WS_EX_CLIENTEDGE;
    interval.enabled = false;
    interval.tabStop = true;
    form.controls.push_back(interval);

    ControlForm arrows;
    arrows.control = &w.编辑框2Arrows;
    arrows.kind = ControlKind::UpDown;
    arrows.x = interval.x + interval.width;
    arrows.y = interval.y;
    arrows.width = 18;
    arrows.height = interval.height;
    arrows.enabled = false;
    arrows.buddy = &w.编辑框2;
    arrows.rangeMin = 5;
    arrows.rangeMax = 120;
    form.controls.push_back(arrows);

    form.controls.push_back(label(w.标签2, 1212, 8, 120, 24, "秒钟自动打开网址。"));

    ControlForm startStop;
    startStop.control = &w.按钮1;
    startStop.kind = ControlKind::PushButton;
    startStop.x = 1325;
    startStop.y = 8;
    startStop.width = 40;
    startStop.height = 24;
    startStop.text = "启动";
    startStop.visible = false;
    startStop.tabStop = true;
    form.controls.push_back(startStop);

    ControlForm listText;
    listText.control = &w.编辑框1;
    listText.kind = ControlKind::EditBox;
    listText.x = 2;
    listText.y = 40;
    listText.width = 500;
    listText.height = 256;
    listText.style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    listText.exStyle = WS_EX_CLIENTEDGE;
    listText.tabStop = true;
    listText.font = ControlFont::Text14;
    form.controls.push_back(listText);

    ControlForm page;
    page.control = &w.超文本浏览框1;
    page.kind = ControlKind::WebView;
    page.x = 508;
    page.y = 40;
    page.width = 881;
    page.height = 864;
    page.tabStop = true;
    form.controls.push_back(page);

    ControlForm entries;
    entries.control = &w.列表框1;
    entries.kind = ControlKind::ListBox;
    entries.x = 2;
    entries.y = 304;
    entries.width = 500;
    entries.height = 608;
    entries.style = LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    entries.exStyle = WS_EX_CLIENTEDGE;
    entries.tabStop = true;
    entries.font = ControlFont::Text14;
    form.controls.push_back(entries);

    form.timers.push_back(platform::TimerForm{&w.时钟1, 0});
    return form;
}
