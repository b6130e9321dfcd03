// Combo boxes: the platform combo box with a sunken edge, a drop-down list by default.
#include <algorithm>

#include "ui/control_table.h"
#include "ui/list_box.h"

namespace {

constexpr DWORD combo_box_style = 0x50A30203;        // ... vertical scroll, CBS_DROPDOWNLIST
constexpr DWORD combo_box_flags_style = 0x50A30200;  // the same without the list kind
constexpr int combo_flag_drop_down = 0x2;            // CBS_DROPDOWN: an editable combo

LRESULT send(HWND combo, UINT message, WPARAM wparam, LPARAM lparam) {
    return SendMessageA(combo, message, wparam, lparam);
}

int get_selection(HWND combo) {
    return static_cast<int>(send(combo, CB_GETCURSEL, 0, 0));
}

void select(HWND combo, int index) {
    send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void add_item(HWND combo, int position, const std::string& text) {
    send(combo, CB_INSERTSTRING, static_cast<WPARAM>(position),
         reinterpret_cast<LPARAM>(text.c_str()));
}

void remove_item(HWND combo, int index) {
    send(combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void clear_items(HWND combo) {
    send(combo, CB_RESETCONTENT, 0, 0);
}

int count_items(HWND combo) {
    return static_cast<int>(send(combo, CB_GETCOUNT, 0, 0));
}

int get_item_state(HWND combo, int index) {
    return index >= 0 && get_selection(combo) == index;
}

void set_item_state(HWND combo, int index, int value) {
    if (value != 0) {
        select(combo, index);
    }
}

void get_item_text(HWND combo, int index, std::string& text) {
    const int length =
        static_cast<int>(send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length <= 0) {
        return;
    }
    std::string item(static_cast<size_t>(length) + 1, '\0');
    const int received = static_cast<int>(
        send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item[0])));
    item.resize(static_cast<size_t>(std::max(0, received)));
    text += item;
}

void set_item_text(HWND combo, int index, const std::string& text, int) {
    if (index < 0 || index >= count_items(combo)) {
        return;
    }
    const int selected = get_selection(combo);
    remove_item(combo, index);
    add_item(combo, index, text);
    if (selected == index) {
        select(combo, index);
    }
}

}  // namespace

const control_kind combo_box_kind = {
    nullptr,     get_selection,  select,         nullptr,       nullptr,
    add_item,    nullptr,        remove_item,    clear_items,   nullptr,
    count_items, get_item_state, set_item_state, get_item_text, set_item_text,
};

window_handle create_combo_box(int number, int x, int y, int width, int height) {
    return create_common_control(number, WS_EX_CLIENTEDGE, "COMBOBOX", combo_box_style, "", x, y,
                                 width, height, &combo_box_kind);
}

window_handle create_combo_box_with_flags(int number, int x, int y, int width, int height,
                                          int flags) {
    DWORD style = static_cast<DWORD>(flags) | combo_box_flags_style;
    if ((flags & combo_flag_drop_down) == 0) {
        style |= CBS_DROPDOWNLIST;
    }
    return create_common_control(number, WS_EX_CLIENTEDGE, "COMBOBOX", style, "", x, y, width,
                                 height, &combo_box_kind);
}
