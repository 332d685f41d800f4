#pragma once
// The kinds of control a form can hold, with the operations handlers use.

#include "platform/control.h"
#include "platform/web_view.h"

#include <string>
#include <string_view>

namespace platform {

class Label : public Control {};

class EditBox : public Control {
public:
    void selectAll();
};

// Push buttons and check boxes: both report clicks and focus changes.
class Button : public Control {
public:
    void notify(UINT code) override;
};

class CheckBox : public Button {
public:
    // 1 when checked (BST_CHECKED), else 0.
    int checked() const;
    void setChecked(bool checked);
};

class PushButton : public Button {};

class ListBox : public Control {
public:
    void clear();
    // Appends at the end (the list is not sorted); false when the box refuses it.
    bool add(std::string_view item);
    int count() const;
    // The selected index, -1 for none.
    int selection() const;
    // Selects the item at index when there is one; otherwise nothing changes.
    void select(int index);
    // The item's whole text; empty for an index without an item.
    std::string itemText(int index) const;
    void notify(UINT code) override;
};

// Up/down arrows beside an edit box.
class UpDown : public Control {
public:
    EventHandler onUp = nullptr;
    EventHandler onDown = nullptr;
};

// The web view control: a host window of its own with the web browser in it.
class WebViewControl : public Control {
public:
    WebView& view() { return view_; }
    const WebView& view() const { return view_; }

    // The address property: storing it starts navigating at once.
    const std::string& address() const { return view_.address(); }
    void setAddress(const std::string& address) { view_.setAddress(address); }
    void navigate(const std::string& address) { view_.navigate(address); }

    EventHandler onLoaded = nullptr;

private:
    WebView view_;
};

} // namespace platform
