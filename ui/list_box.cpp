// List boxes: the platform list box with a sunken edge. The window procedure turns its
// selection changes and double clicks into control events and drops its other
// notifications.
#include "ui/list_box.h"

#include <algorithm>

#include "ui/control_table.h"

namespace {

constexpr DWORD list_box_style = 0x50330141;  // ... vertical scroll, LBS_NOTIFY, no partial rows

LRESULT send(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageA(list, message, wparam, lparam);
}

int get_selection(HWND list) {
    return static_cast<int>(send(list, LB_GETCURSEL, 0, 0));
}

void select(HWND list, int index) {
    send(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void add_item(HWND list, int position, const std::string& text) {
    send(list, LB_INSERTSTRING, static_cast<WPARAM>(position),
         reinterpret_cast<LPARAM>(text.c_str()));
}

void remove_item(HWND list, int index) {
    send(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void clear_items(HWND list) {
    send(list, LB_RESETCONTENT, 0, 0);
}

int count_items(HWND list) {
    return static_cast<int>(send(list, LB_GETCOUNT, 0, 0));
}

int get_item_state(HWND list, int index) {
    return std::max(0, static_cast<int>(send(list, LB_GETSEL, static_cast<WPARAM>(index), 0)));
}

void set_item_state(HWND list, int index, int value) {
    if (GetWindowLongA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        send(list, LB_SETSEL, value != 0, index);
    } else if (value != 0) {
        select(list, index);
    }
}

void get_item_text(HWND list, int index, std::string& text) {
    const int length = static_cast<int>(send(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length <= 0) {
        return;
    }
    std::string item(static_cast<size_t>(length) + 1, '\0');
    const int received = static_cast<int>(
        send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item[0])));
    item.resize(static_cast<size_t>(std::max(0, received)));
    text += item;
}

// Replaces the item by a new one at the same place, keeping the selection.
void set_item_text(HWND list, int index, const std::string& text, int) {
    if (index < 0 || index >= count_items(list)) {
        return;
    }
    const int selected = get_selection(list);
    remove_item(list, index);
    add_item(list, index, text);
    if (selected == index) {
        select(list, index);
    }
}

}  // namespace

const control_kind list_box_kind = {
    nullptr,     get_selection,  select,         nullptr,       nullptr,
    add_item,    nullptr,        remove_item,    clear_items,   nullptr,
    count_items, get_item_state, set_item_state, get_item_text, set_item_text,
};

window_handle create_list_box(int number, int x, int y, int width, int height, int flags) {
    return create_common_control(number, WS_EX_CLIENTEDGE, "LISTBOX",
                                 static_cast<DWORD>(flags) | list_box_style, "", x, y, width,
                                 height, &list_box_kind);
}
