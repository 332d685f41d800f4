#include "platform/controls.h"

#include <vector>

namespace platform {

void EditBox::selectAll()
{
    if (exists()) {
        SendMessageA(hwnd(), EM_SETSEL, 0, -1);
    }
}

int CheckBox::checked() const
{
    return exists() && SendMessageA(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::setChecked(bool checked)
{
    if (exists()) {
        SendMessageA(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Button::notify(UINT code)
{
    switch (code) {
    case BN_CLICKED:
        raise(onClicked);
        break;
    case BN_SETFOCUS:
        raise(onGotFocus);
        break;
    case BN_KILLFOCUS:
        raise(onLostFocus);
        break;
    default:
        break;
    }
}

void ListBox::clear()
{
    if (exists()) {
        SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
    }
}

bool ListBox::add(std::string_view item)
{
    if (!exists()) {
        return false;
    }
    const std::string terminated(item);
    const LRESULT result =
        SendMessageA(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
    return result != LB_ERR && result != LB_ERRSPACE;
}

int ListBox::count() const
{
    if (!exists()) {
        return 0;
    }
    const LRESULT result = SendMessageA(hwnd(), LB_GETCOUNT, 0, 0);
    return result == LB_ERR ? 0 : static_cast<int>(result);
}

int ListBox::selection() const
{
    if (!exists()) {
        return -1;
    }
    return static_cast<int>(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::select(int index)
{
    if (exists() && index >= 0 && index < count()) {
        SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

std::string ListBox::itemText(int index) const
{
    if (!exists() || index < 0 || index >= count()) {
        return {};
    }
    const LRESULT length = SendMessageA(hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendMessageA(hwnd(), LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    if (copied == LB_ERR || copied <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

void ListBox::notify(UINT code)
{
    switch (code) {
    case LBN_DBLCLK:
        raise(onDoubleClicked);
        break;
    case LBN_SETFOCUS:
        raise(onGotFocus);
        break;
    case LBN_KILLFOCUS:
        raise(onLostFocus);
        break;
    default:
        break;
    }
}

} // namespace platform
