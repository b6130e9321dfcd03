// The tab control's kind: its items are pages (tab_pages.cpp), its state the selected item, its
// text the selected item's caption.
#include "ui/tab_control.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/control_table.h"
#include "ui/tab_pages.h"
#include "runtime/wide_text.h"

namespace {

constexpr DWORD tab_control_style = 0x54030000;  // child, visible, clip siblings, group, tab stop
constexpr int caption_room = 1000;

int selected_index(HWND tab) {
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

void append_caption(HWND tab, int index, std::string& text) {
    wchar_t caption[caption_room] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = caption_room;
    if (SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item))) {
        text += utf8_text(item.pszText);  // the control may point at its own copy instead
    }
}

void write_caption(HWND tab, int index, const std::string& text) {
    std::vector<wchar_t> caption = wide_text(text);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tab, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void add_page(HWND tab, int, const std::string& text) {
    add_tab_page(tab, text);
}

int get_selection(HWND tab) {
    return selected_index(tab);
}

void select_item(HWND tab, int index) {
    HWND focus = GetFocus();
    const bool on_page = focus != nullptr && IsChild(tab, focus);
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    show_selected_page(tab);
    if (on_page)  // not left on a hidden page
        focus_shown_page(tab);
}

void get_caption(HWND tab, std::string& text) {
    append_caption(tab, selected_index(tab), text);
}

void set_caption(HWND tab, const std::string& text) {
    const int selected = selected_index(tab);
    write_caption(tab, selected, text);
    select_item(tab, selected);
}

void remove_page(HWND tab, int index) {
    remove_tab_page(tab, index);
}

int count_pages(HWND tab) {
    return static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
}

void remove_all_pages(HWND tab) {
    for (int index = count_pages(tab) - 1; index >= 0; --index) {
        remove_page(tab, index);
    }
}

void get_item_caption(HWND tab, int index, std::string& text) {
    append_caption(tab, index, text);
}

void set_item_caption(HWND tab, int index, const std::string& text, int) {
    write_caption(tab, index, text);
    select_item(tab, selected_index(tab));
}

}  // namespace

const control_kind tab_kind = {
    nullptr,     get_selection, select_item, get_caption,      set_caption,
    add_page,    nullptr,       remove_page, remove_all_pages, nullptr,
    count_pages, nullptr,       nullptr,     get_item_caption, set_item_caption,
};

window_handle create_tab_control(int number, int x, int y, int width, int height) {
    if (number < 0 || !push_container()) {
        return nullptr;
    }
    // The container saved above stays the container until the first page is added.
    HWND tab = create_common_control(number, 0, WC_TABCONTROLA, tab_control_style, "", x, y, width,
                                     height, &tab_kind);
    start_tab_pages(tab);
    return tab;
}
