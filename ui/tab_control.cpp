// Tab controls and their pages. A page is a hidden, transparent child window of the tab
// control, of the layer's "TemplateClass", so that commands of the controls on it become
// events like those of controls placed directly in a window; its handle is the item
// parameter of its tab. The page shown is always the tab control's topmost child.
// page_count and header_height are one set for the whole layer: pages added to an earlier
// tab control after a later one was created are placed with the later one's values.
// A page may get its controls only when it is first shown (build_page_when_shown).
#include "ui/tab_control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/control_table.h"
#include "ui/event_state.h"
#include "ui/window_table.h"

namespace {

constexpr DWORD tab_control_style = 0x54030000;  // child, visible, clip siblings, group, tab stop
constexpr UINT show_on_top = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
constexpr UINT resize_only = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW;
constexpr int caption_room = 1000;

int page_count = 0;
int header_height = 0;

struct page_to_build {
    HWND page;
    page_builder build;
};
std::vector<page_to_build> pages_to_build;

// Runs the page's builder if it still waits for one, with the page as the container.
void build_waiting_page(HWND page) {
    const auto waiting = std::find_if(pages_to_build.begin(), pages_to_build.end(),
                                      [page](const page_to_build& each) { return each.page == page; });
    if (waiting == pages_to_build.end()) {
        return;
    }
    const page_builder build = waiting->build;
    pages_to_build.erase(waiting);  // once, even if the builder shows the page itself
    // The page's new controls raise no event of their own: a tab click that shows the page
    // reports that click.
    const event_state raised = events;
    HWND container = current_container();
    make_container(page);
    build();
    make_container(container);
    events = raised;
}

void measure_header(HWND tab) {
    RECT item = {};
    if (SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) {
        header_height = item.bottom;
    }
}

// Adds an item with no caption, reads the row height from it and removes it again.
void measure_header_with_probe(HWND tab) {
    TCITEMA probe = {};
    probe.mask = 0;
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&probe));
    measure_header(tab);
    SendMessageA(tab, TCM_DELETEITEM, 0, 0);
}

HWND page_of(HWND tab, int index) {
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(item.lParam);
}

int selected_index(HWND tab) {
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

void append_caption(HWND tab, int index, std::string& text) {
    char caption[caption_room] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = caption_room;
    if (SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item))) {
        text += item.pszText;  // the control may point at its own copy instead
    }
}

void write_caption(HWND tab, int index, const std::string& text) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(tab, TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void add_page(HWND tab, int, const std::string& text) {
    RECT client = {};
    GetClientRect(tab, &client);
    HWND page = CreateWindowExA(
        WS_EX_TRANSPARENT, page_class_name, "", WS_CHILD, 2, header_height + 2, client.right - 5,
        client.bottom - header_height - 5, tab, nullptr, program_instance(), nullptr);
    make_container(page);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(page_count),
                 reinterpret_cast<LPARAM>(&item));
    if (page_count == 0) {
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, show_on_top);
        SetWindowPos(tab, HWND_TOP, 0, 0, 0, 0, show_on_top);
    }
    ++page_count;
}

int get_selection(HWND tab) {
    return selected_index(tab);
}

void select_item(HWND tab, int index) {
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    show_selected_page(tab);
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
    if (HWND page = page_of(tab, index)) {
        pages_to_build.erase(
            std::remove_if(pages_to_build.begin(), pages_to_build.end(),
                           [page](const page_to_build& each) { return each.page == page; }),
            pages_to_build.end());
        DestroyWindow(page);
    }
    SendMessageA(tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
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
    page_count = 0;
    measure_header_with_probe(tab);
    return tab;
}

void build_page_when_shown(int tab_number, int index, page_builder build) {
    HWND page = page_of(control_entry_of(tab_number).handle, index);
    if (page == nullptr || build == nullptr) {
        return;
    }
    // Pages destroyed with their window (not removed one by one) leave their entries here.
    pages_to_build.erase(std::remove_if(pages_to_build.begin(), pages_to_build.end(),
                                        [](const page_to_build& each) { return !IsWindow(each.page); }),
                         pages_to_build.end());
    pages_to_build.push_back({page, build});
    if (GetWindowLongPtrA(page, GWL_STYLE) & WS_VISIBLE) {
        build_waiting_page(page);
    }
}

int tab_header_height() {
    return header_height;
}

void show_selected_page(window_handle tab) {
    HWND page = page_of(tab, selected_index(tab));
    if (page == nullptr) {
        return;  // no item is selected: the page shown stays
    }
    build_waiting_page(page);
    HWND shown = GetWindow(tab, GW_CHILD);
    ShowWindow(shown, SW_HIDE);
    EnableWindow(shown, FALSE);
    EnableWindow(page, TRUE);
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, show_on_top);
}

void lay_out_pages(window_handle tab) {
    measure_header(tab);
    RECT client = {};
    GetClientRect(tab, &client);
    for (int index = count_pages(tab) - 1; index >= 0; --index) {
        SetWindowPos(page_of(tab, index), nullptr, 0, 0, client.right - 4,
                     client.bottom - header_height - 4, resize_only);
    }
}
