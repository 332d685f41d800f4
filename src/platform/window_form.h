#pragma once
// What a window is loaded from: its settings and the table of its controls.

#include "platform/control.h"
#include "platform/timer.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class ControlKind { Label, EditBox, CheckBox, PushButton, ListBox, UpDown, WebView };

enum class ControlFont {
    DefaultGui, // the system's DEFAULT_GUI_FONT
    Text14,     // the system's default face, 14 pixels high, normal weight
};

struct ControlForm {
    Control* control = nullptr;
    ControlKind kind = ControlKind::Label;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;
    DWORD style = 0; // the kind's own style bits; WS_CHILD and the tab stop are added
    DWORD exStyle = 0;
    bool visible = true;
    bool enabled = true;
    bool tabStop = false;
    bool checked = false; // check boxes
    ControlFont font = ControlFont::DefaultGui;
    // Up/down arrows: their range.
    int rangeMin = 0;
    int rangeMax = 0;
};

struct TimerForm {
    Timer* timer = nullptr;
    std::int32_t period = 0;
};

enum class WindowPlace {
    AsGiven,         // x, y of the form
    CentredOnScreen, // the primary screen's centre
};

struct WindowForm {
    std::string className;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    WindowPlace place = WindowPlace::AsGiven;
    int x = 0;
    int y = 0;
    int width = 0; // outer size, frame included
    int height = 0;
    bool visible = true;
    // A press on the bare background or on a label moves the window.
    bool dragByBackground = false;
    // Name of the icon resource used as big and small icon; empty for none.
    std::string iconResource;
    std::vector<ControlForm> controls;
    std::vector<TimerForm> timers;
};

} // namespace platform
