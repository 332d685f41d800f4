#include "app/handlers.h"
#include "app/main_window.h"
#include "app/main_window_caption.h"

#include <commctrl.h>

using platform::ControlFont;
using platform::ControlForm;
using platform::ControlKind;

namespace {

ControlForm place(platform::Control& control, ControlKind kind, int x, int y, int width, int height,
                  const char* text = "")
{
    ControlForm form;
    form.control = &control;
    form.kind = kind;
    form.x = x;
    form.y = y;
    form.width = width;
    form.height = height;
    form.text = text;
    return form;
}

ControlForm withStyle(ControlForm form, DWORD style, DWORD exStyle, bool tabStop)
{
    form.style = style;
    form.exStyle = exStyle;
    form.tabStop = tabStop;
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

    const DWORD sunken = WS_EX_CLIENTEDGE;
    auto& controls = form.controls;
    controls.push_back(place(w.标签1, ControlKind::Label, 8, 8, 72, 24, "网址列表："));
    controls.push_back(place(w.标签3, ControlKind::Label, 88, 8, 416, 24));

    ControlForm builtInBrowser =
        place(w.选择框1, ControlKind::CheckBox, 752, 8, 120, 24, "内置IE浏览器");
    builtInBrowser.tabStop = true;
    builtInBrowser.checked = true;
    controls.push_back(builtInBrowser);
    controls.push_back(withStyle(
        place(w.选择框2, ControlKind::CheckBox, 933, 8, 120, 24, "窗口置顶"), 0, 0, true));
    controls.push_back(
        withStyle(place(w.选择框3, ControlKind::CheckBox, 1076, 8, 64, 24, "每隔："), 0, 0, true));

    ControlForm interval = withStyle(place(w.编辑框2, ControlKind::EditBox, 1131, 8, 60, 24, "5"),
                                     ES_CENTER | ES_AUTOHSCROLL, sunken, true);
    interval.enabled = false;
    controls.push_back(interval);
    // The arrows sit just right of the interval box, as high as it is.
    ControlForm arrows = place(w.编辑框2Arrows, ControlKind::UpDown, interval.x + interval.width,
                               interval.y, 18, interval.height);
    arrows.enabled = false;
    arrows.rangeMin = 5;
    arrows.rangeMax = 120;
    controls.push_back(arrows);

    controls.push_back(place(w.标签2, ControlKind::Label, 1212, 8, 120, 24, "秒钟自动打开网址。"));

    ControlForm startStop =
        withStyle(place(w.按钮1, ControlKind::PushButton, 1325, 8, 40, 24, "启动"), 0, 0, true);
    startStop.visible = false;
    controls.push_back(startStop);

    ControlForm listText =
        withStyle(place(w.编辑框1, ControlKind::EditBox, 2, 40, 500, 256),
                  ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, sunken, true);
    listText.font = ControlFont::Text14;
    controls.push_back(listText);

    controls.push_back(
        withStyle(place(w.超文本浏览框1, ControlKind::WebView, 508, 40, 881, 864), 0, 0, true));

    ControlForm entries =
        withStyle(place(w.列表框1, ControlKind::ListBox, 2, 304, 500, 608),
                  LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, sunken, true);
    entries.font = ControlFont::Text14;
    controls.push_back(entries);

    form.timers.push_back(platform::TimerForm{&w.时钟1, 0});
    return form;
}
