// List views: a report-view list with owner data. The control only knows how many rows it shows
// and asks for each text it draws (LVN_GETDISPINFO, list_view_notice.cpp), which the layer takes
// from the application's source; filling or reordering thousands of rows is one message.
#include "ui/list_view.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/control_table.h"
#include "ui/display_scale.h"
#include "ui/list_view_notice.h"
#include "ui/list_view_store.h"
#include "runtime/wide_text.h"

namespace {

constexpr DWORD list_view_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                                  LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_OWNERDATA;

HWND handle_of(int number) {
    return control_entry_of(number).handle;
}

// A new count costs the platform more than the paint (it sets its scroll bars up again): the
// same count, as after a sort, only repaints.
void show_row_count(HWND list, size_t count) {
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != static_cast<LRESULT>(count)) {
        SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
    }
    InvalidateRect(list, nullptr, FALSE);
}

// Kind operations. The state is the selected row; items are the rows as shown.

void destroy(HWND list) {
    remove_list_store(list);
    DestroyWindow(list);
}

int get_selection(HWND list) {
    return row_at(list, static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM,
                                                      static_cast<WPARAM>(-1), LVNI_SELECTED)));
}

void select(HWND list, int row) {
    if (place_of(list, row) >= 0) {
        select_rows(list, {row}, row);
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(place_of(list, row)), FALSE);
    }
}

int count_rows(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

void clear_rows(HWND list) {
    if (list_store* store = store_of(list)) {
        store->row_count = 0;
        store->edits.clear();
        show_every_row(*store);
    }
    SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
}

void get_first_cell(HWND list, int place, std::string& text) {
    if (const list_store* store = store_of(list); store != nullptr && row_at(list, place) >= 0) {
        text += shown_cell(*store, row_at(list, place), 0);
    }
}

}  // namespace

const control_kind list_view_kind = {
    destroy,    get_selection, select,     nullptr, nullptr, nullptr,        nullptr, nullptr,
    clear_rows, nullptr,       count_rows, nullptr, nullptr, get_first_cell, nullptr,
};

window_handle create_list_view(int number, int x, int y, int width, int height) {
    HWND list = create_common_control(number, WS_EX_CLIENTEDGE, WC_LISTVIEWA, list_view_style, "",
                                      x, y, width, height, &list_view_kind);
    if (list == nullptr) {
        return nullptr;
    }
    add_list_store(list);
    // Painted off-screen and shown at once: a full list repaints in fewer steps.
    constexpr LPARAM extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    return list;
}

void add_list_view_column(int number, const std::string& header, int width) {
    HWND list = handle_of(number);
    if (store_of(list) == nullptr) {
        return;
    }
    HWND headers = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0));
    std::vector<wchar_t> caption = wide_text(header);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = to_pixels(width);
    column.iSubItem = count;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(&column));
}

void set_list_view_column_width(int number, int column, int width) {
    SendMessageW(handle_of(number), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                 to_pixels(width));
}

void set_list_view_column_text(int number, int column, const std::string& header) {
    std::vector<wchar_t> caption = wide_text(header);
    LVCOLUMNW shown = {};
    shown.mask = LVCF_TEXT;
    shown.pszText = caption.data();
    SendMessageW(handle_of(number), LVM_SETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&shown));
}

int list_view_column_width(int number, int column) {
    return to_layout(static_cast<int>(
        SendMessageA(handle_of(number), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
}

void set_list_view_source(int number, const list_view_source* source) {
    if (list_store* store = store_of(handle_of(number))) {
        store->source = source;
    }
}

void limit_list_view_labels(int number, int characters) {
    if (list_store* store = store_of(handle_of(number))) {
        store->label_max = characters;
    }
}

void set_list_view_rows(int number, int count) {
    HWND list = handle_of(number);
    list_store* store = store_of(list);
    if (store == nullptr) {
        return;
    }
    clear_selection(list);
    store->row_count = count > 0 ? count : 0;
    show_every_row(*store);
    show_row_count(list, store->shown.size());
}

void redraw_list_view(int number) {
    InvalidateRect(handle_of(number), nullptr, FALSE);
}

void set_list_view_order(int number, const std::vector<int>& rows) {
    HWND list = handle_of(number);
    list_store* store = store_of(list);
    if (store == nullptr) {
        return;
    }
    const std::vector<int> selected = selected_rows(list);
    const int focused = focused_row(list);
    clear_selection(list);
    store->shown.clear();
    store->place.assign(static_cast<size_t>(store->row_count), -1);
    for (int row : rows) {
        if (row >= 0 && row < store->row_count && store->place[static_cast<size_t>(row)] < 0) {
            store->place[static_cast<size_t>(row)] = static_cast<int>(store->shown.size());
            store->shown.push_back(row);
        }
    }
    show_row_count(list, store->shown.size());
    select_rows(list, selected, focused);
}

std::vector<int> list_view_selected_rows(int number) {
    return selected_rows(handle_of(number));
}

void show_list_view_sort(int number, int column, int direction) {
    HWND list = handle_of(number);
    list_store* store = store_of(list);
    if (store == nullptr ||
        (store->arrow_column == column && store->arrow_direction == direction)) {
        return;
    }
    store->arrow_column = column;
    store->arrow_direction = direction;
    HWND headers = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0));
    for (int each = 0; each < count; ++each) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(headers, HDM_GETITEMA, static_cast<WPARAM>(each),
                     reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (each == column && direction != 0) {
            item.fmt |= direction > 0 ? HDF_SORTUP : HDF_SORTDOWN;
        }
        SendMessageA(headers, HDM_SETITEMA, static_cast<WPARAM>(each),
                     reinterpret_cast<LPARAM>(&item));
    }
}

int list_view_clicked_column(int number) {
    const list_store* store = store_of(handle_of(number));
    return store != nullptr ? store->clicked_column : -1;
}

void select_all_list_view_rows(int number) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageA(handle_of(number), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
}

void edit_list_view_labels(int number) {
    HWND list = handle_of(number);
    SetFocus(list);
    edit_focused_labels(list);
}

void edit_list_view_label(int number, int row) {
    HWND list = handle_of(number);
    if (list_store* store = store_of(list); store != nullptr && place_of(list, row) >= 0) {
        store->edit_many.clear();
        SetFocus(list);
        SendMessageW(list, LVM_EDITLABELW, static_cast<WPARAM>(place_of(list, row)), 0);
    }
}

void finish_list_view_edit(int number) {
    HWND list = handle_of(number);
    if (SendMessageA(list, LVM_GETEDITCONTROL, 0, 0) != 0) {
        SetFocus(list);  // the editor loses the focus and keeps its text
    }
}

std::vector<list_view_edit> take_list_view_edits(int number) {
    std::vector<list_view_edit> edits;
    if (list_store* store = store_of(handle_of(number))) {
        edits.swap(store->edits);
    }
    return edits;
}
