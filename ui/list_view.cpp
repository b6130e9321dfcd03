// List views: a report-view list with owner data. The rows' texts live here, one store per
// list window; the control only knows how many rows there are and asks for each text it
// draws (LVN_GETDISPINFO), which makes filling thousands of rows one message.
#include "ui/list_view.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/control_table.h"
#include "ui/list_view_notice.h"

namespace {

constexpr DWORD list_view_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                                  LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SINGLESEL |
                                  LVS_OWNERDATA;
constexpr char mark[] = "*";

struct list_row {
    std::vector<std::string> cells;
    bool marked = false;
};

struct list_store {
    HWND list = nullptr;
    std::vector<list_row> rows;
    std::vector<list_view_edit> edits;  // kept, not taken yet
};

std::vector<list_store> stores;

list_store* store_of(HWND list) {
    for (list_store& store : stores) {
        if (store.list == list && list != nullptr) {
            return &store;
        }
    }
    return nullptr;
}

list_row* row_of(HWND list, int row) {
    list_store* store = store_of(list);
    if (store == nullptr || row < 0 || row >= static_cast<int>(store->rows.size())) {
        return nullptr;
    }
    return &store->rows[static_cast<size_t>(row)];
}

std::string plain_cell(const list_row& row, int column) {
    if (column < 0 || column >= static_cast<int>(row.cells.size())) {
        return std::string();
    }
    return row.cells[static_cast<size_t>(column)];
}

std::string shown_cell(const list_row& row, int column) {
    std::string text = plain_cell(row, column);
    return column == 0 && row.marked ? mark + text : text;
}

void redraw_row(HWND list, int row) {
    SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
}

// The row that F2 edits: the focused one, else the selected one.
int current_row(HWND list) {
    int row = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row < 0) {
        row = static_cast<int>(
            SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    return row;
}

// The editor is opened once the list has finished with the key or click that asked for it.
void post_edit(HWND list, int row) {
    if (row_of(list, row) != nullptr) {
        PostMessageA(list, LVM_EDITLABELA, static_cast<WPARAM>(row), 0);
    }
}

void answer_display(NMLVDISPINFOA* display) {
    LVITEMA& item = display->item;
    const list_row* row = row_of(display->hdr.hwndFrom, item.iItem);
    if (row == nullptr || !(item.mask & LVIF_TEXT) || item.pszText == nullptr ||
        item.cchTextMax <= 0) {
        return;
    }
    lstrcpynA(item.pszText, shown_cell(*row, item.iSubItem).c_str(), item.cchTextMax);
}

void begin_edit(const NMLVDISPINFOA* display) {
    HWND editor =
        reinterpret_cast<HWND>(SendMessageA(display->hdr.hwndFrom, LVM_GETEDITCONTROL, 0, 0));
    const list_row* row = row_of(display->hdr.hwndFrom, display->item.iItem);
    if (editor == nullptr || row == nullptr) {
        return;
    }
    SendMessageA(editor, EM_LIMITTEXT, list_view_label_max, 0);
    SetWindowTextA(editor, plain_cell(*row, 0).c_str());
}

bool end_edit(const NMLVDISPINFOA* display) {
    const char* text = display->item.pszText;
    list_store* store = store_of(display->hdr.hwndFrom);
    if (text == nullptr || *text == '\0' ||
        row_of(display->hdr.hwndFrom, display->item.iItem) == nullptr) {
        return false;
    }
    store->edits.push_back({display->item.iItem, text});
    return true;
}

HWND handle_of(int number) {
    return control_entry_of(number).handle;
}

// Kind operations.

void destroy(HWND list) {
    stores.erase(std::remove_if(stores.begin(), stores.end(),
                                [list](const list_store& store) { return store.list == list; }),
                 stores.end());
    DestroyWindow(list);
}

int get_selection(HWND list) {
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void select(HWND list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int count_rows(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

void clear_rows(HWND list) {
    if (list_store* store = store_of(list)) {
        store->rows.clear();
        store->edits.clear();
    }
    SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
}

void get_first_cell(HWND list, int row, std::string& text) {
    if (const list_row* found = row_of(list, row)) {
        text += shown_cell(*found, 0);
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
    if (list_store* old = store_of(list)) {
        *old = {list, {}, {}};  // a handle of a destroyed list, reused
    } else {
        stores.push_back({list, {}, {}});
    }
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    return list;
}

void add_list_view_column(int number, const std::string& header, int width) {
    HWND list = handle_of(number);
    if (store_of(list) == nullptr) {
        return;
    }
    HWND headers = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = static_cast<int>(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0));
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(header.c_str());
    column.cx = width;
    column.iSubItem = count;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(&column));
}

void set_list_view_rows(int number, std::vector<std::vector<std::string>> rows) {
    HWND list = handle_of(number);
    list_store* store = store_of(list);
    if (store == nullptr) {
        return;
    }
    store->rows.clear();
    store->rows.reserve(rows.size());
    for (std::vector<std::string>& cells : rows) {
        store->rows.push_back({std::move(cells), false});
    }
    SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(store->rows.size()), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void set_list_view_cell(int number, int row, int column, const std::string& text) {
    HWND list = handle_of(number);
    list_row* found = row_of(list, row);
    if (found == nullptr || column < 0) {
        return;
    }
    if (static_cast<size_t>(column) >= found->cells.size()) {
        found->cells.resize(static_cast<size_t>(column) + 1);
    }
    found->cells[static_cast<size_t>(column)] = text;
    redraw_row(list, row);
}

std::string list_view_cell(int number, int row, int column) {
    const list_row* found = row_of(handle_of(number), row);
    return found != nullptr ? plain_cell(*found, column) : std::string();
}

void mark_list_view_row(int number, int row, bool marked) {
    HWND list = handle_of(number);
    if (list_row* found = row_of(list, row)) {
        found->marked = marked;
        redraw_row(list, row);
    }
}

bool list_view_row_marked(int number, int row) {
    const list_row* found = row_of(handle_of(number), row);
    return found != nullptr && found->marked;
}

void edit_list_view_label(int number, int row) {
    HWND list = handle_of(number);
    if (row_of(list, row) != nullptr) {
        SetFocus(list);
        SendMessageA(list, LVM_EDITLABELA, static_cast<WPARAM>(row), 0);
    }
}

std::vector<list_view_edit> take_list_view_edits(int number) {
    std::vector<list_view_edit> edits;
    if (list_store* store = store_of(handle_of(number))) {
        edits.swap(store->edits);
    }
    return edits;
}

list_view_notice answer_list_view(const NMHDR* header) {
    if (store_of(header->hwndFrom) == nullptr) {
        return list_view_notice::other;
    }
    switch (header->code) {
        case LVN_GETDISPINFOA:
            answer_display(reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header)));
            return list_view_notice::answered;
        case LVN_ODFINDITEMA:
            return list_view_notice::not_found;
        case LVN_BEGINLABELEDITA:
            begin_edit(reinterpret_cast<const NMLVDISPINFOA*>(header));
            return list_view_notice::answered;
        case LVN_ENDLABELEDITA:
            return end_edit(reinterpret_cast<const NMLVDISPINFOA*>(header))
                       ? list_view_notice::label_edited
                       : list_view_notice::answered;
        case LVN_KEYDOWN:
            if (reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey == VK_F2) {
                post_edit(header->hwndFrom, current_row(header->hwndFrom));
            }
            return list_view_notice::other;
        case NM_DBLCLK:
            post_edit(header->hwndFrom, reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
            return list_view_notice::other;
        default:
            return list_view_notice::other;
    }
}
