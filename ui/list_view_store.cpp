// The list views' row stores and the places of their rows in the list as shown.
#include "ui/list_view_store.h"

#include <commctrl.h>

#include <algorithm>

namespace {

std::vector<list_store> stores;

void set_state(HWND list, int place, UINT mask, UINT state) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(place),
                 reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void add_list_store(HWND list) {
    if (list_store* old = store_of(list)) {
        *old = list_store{};
        old->list = list;
    } else {
        stores.push_back(list_store{});
        stores.back().list = list;
    }
}

void remove_list_store(HWND list) {
    stores.erase(std::remove_if(stores.begin(), stores.end(),
                                [list](const list_store& store) { return store.list == list; }),
                 stores.end());
}

list_store* store_of(HWND list) {
    for (list_store& store : stores) {
        if (store.list == list && list != nullptr) {
            return &store;
        }
    }
    return nullptr;
}

int row_at(HWND list, int place) {
    const list_store* store = store_of(list);
    if (store == nullptr || place < 0 || place >= static_cast<int>(store->shown.size())) {
        return -1;
    }
    return store->shown[static_cast<size_t>(place)];
}

int place_of(HWND list, int row) {
    const list_store* store = store_of(list);
    if (store == nullptr || row < 0 || row >= static_cast<int>(store->place.size())) {
        return -1;
    }
    return store->place[static_cast<size_t>(row)];
}

void show_every_row(list_store& store) {
    const int count = store.row_count;
    store.shown.resize(static_cast<size_t>(count));
    store.place.resize(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        store.shown[static_cast<size_t>(row)] = row;
        store.place[static_cast<size_t>(row)] = row;
    }
}

std::string plain_cell(const list_store& store, int row, int column) {
    if (store.source == nullptr || row < 0 || row >= store.row_count) {
        return std::string();
    }
    return store.source->cell(row, column);
}

std::string shown_cell(const list_store& store, int row, int column) {
    std::string text = plain_cell(store, row, column);
    const bool marked = column == 0 && store.source != nullptr && row >= 0 &&
                        row < store.row_count && store.source->marked(row);
    return marked ? "*" + text : text;
}

std::vector<int> selected_rows(HWND list) {
    std::vector<int> rows;
    for (int place = -1;
         (place = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(place),
                                                LVNI_SELECTED))) >= 0;) {
        const int row = row_at(list, place);
        if (row < 0) {
            break;
        }
        rows.push_back(row);
    }
    return rows;
}

int focused_row(HWND list) {
    return row_at(list, static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM,
                                                      static_cast<WPARAM>(-1), LVNI_FOCUSED)));
}

// Clearing every row's state costs the platform a notification a row: rows are cleared one by
// one unless many are selected.
void clear_selection(HWND list) {
    constexpr int many = 64;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (count >= many) {
        set_state(list, -1, LVIS_SELECTED | LVIS_FOCUSED, 0);
        return;
    }
    for (int each = 0; each < count; ++each) {
        const int place = static_cast<int>(
            SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        if (place < 0) {
            break;
        }
        set_state(list, place, LVIS_SELECTED, 0);
    }
    const int focused = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0) {
        set_state(list, focused, LVIS_FOCUSED, 0);
    }
}

void select_rows(HWND list, const std::vector<int>& rows, int focused) {
    clear_selection(list);
    for (int row : rows) {
        const int place = place_of(list, row);
        if (place >= 0) {
            set_state(list, place, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    const int place = place_of(list, focused);
    if (place >= 0) {
        set_state(list, place, LVIS_FOCUSED, LVIS_FOCUSED);
        SendMessageA(list, LVM_SETSELECTIONMARK, 0, place);
    }
}
