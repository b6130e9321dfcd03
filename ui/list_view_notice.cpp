// The notifications of the layer's list views: the texts the control draws, the label editor,
// the keys F2, Ctrl+A and Ctrl+C, type-ahead search and header clicks.
#include "ui/list_view_notice.h"

#include <commctrl.h>

#include <string>

#include "ui/list_view_store.h"

namespace {

void answer_display(NMLVDISPINFOA* display) {
    LVITEMA& item = display->item;
    HWND list = display->hdr.hwndFrom;
    const list_store* store = store_of(list);
    const int row = row_at(list, item.iItem);
    if (store == nullptr || row < 0 || !(item.mask & LVIF_TEXT) || item.pszText == nullptr ||
        item.cchTextMax <= 0) {
        return;
    }
    lstrcpynA(item.pszText, shown_cell(*store, row, item.iSubItem).c_str(), item.cchTextMax);
}

// The editor is opened once the list has finished with the key or click that asked for it.
// The selection is taken now: the platform may leave only the edited row selected.
void post_edit(HWND list, int place, bool many) {
    list_store* store = store_of(list);
    if (store != nullptr && row_at(list, place) >= 0) {
        store->edit_many = many ? selected_rows(list) : std::vector<int>();
        PostMessageA(list, LVM_EDITLABELA, static_cast<WPARAM>(place), 0);
    }
}

void begin_edit(const NMLVDISPINFOA* display) {
    HWND list = display->hdr.hwndFrom;
    HWND editor = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
    list_store* store = store_of(list);
    const int row = row_at(list, display->item.iItem);
    if (editor == nullptr || store == nullptr || row < 0) {
        return;
    }
    store->editing = {row};
    for (int each : store->edit_many) {
        if (each == row) {
            store->editing = store->edit_many;
        }
    }
    store->edit_many.clear();
    SendMessageA(editor, EM_LIMITTEXT, list_view_label_max, 0);
    SetWindowTextA(editor, plain_cell(*store, row, 0).c_str());
}

// The rows the editor named are selected again, kept or not.
bool end_edit(const NMLVDISPINFOA* display) {
    const char* text = display->item.pszText;
    HWND list = display->hdr.hwndFrom;
    list_store* store = store_of(list);
    const int row = row_at(list, display->item.iItem);
    if (store->editing.size() > 1) {
        select_rows(list, store->editing, row);
    }
    if (text == nullptr || *text == '\0' || row < 0) {
        return false;
    }
    store->edits.push_back({row, text, store->editing});
    return true;
}

// Case-insensitive: does the text start with the typed letters (or equal them, when whole)?
bool matches(const std::string& text, const std::string& typed, bool whole) {
    const int length = static_cast<int>(typed.size());
    if (static_cast<int>(text.size()) < length || (whole && text.size() != typed.size())) {
        return false;
    }
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), length, typed.c_str(),
                          length) == CSTR_EQUAL;
}

// Type-ahead in a list with owner data: the place of the next row, from the start place on
// and then from the top, whose first cell starts with the typed letters; -1 when none does.
LRESULT find_row(const NMHDR* header) {
    std::string typed;
    int start = 0;
    UINT flags = 0;
    if (header->code == LVN_ODFINDITEMW) {
        const auto* find = reinterpret_cast<const NMLVFINDITEMW*>(header);
        start = find->iStart;
        flags = find->lvfi.flags;
        if ((flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz != nullptr) {
            const int size =
                WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz, -1, nullptr, 0, nullptr, nullptr);
            typed.assign(static_cast<size_t>(size > 0 ? size : 1), '\0');
            WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz, -1, &typed[0], size, nullptr, nullptr);
            typed.resize(typed.size() - 1);
        }
    } else {
        const auto* find = reinterpret_cast<const NMLVFINDITEMA*>(header);
        start = find->iStart;
        flags = find->lvfi.flags;
        if ((flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz != nullptr) {
            typed = find->lvfi.psz;
        }
    }
    const list_store* store = store_of(header->hwndFrom);
    const int count = static_cast<int>(store->shown.size());
    if (typed.empty() || count == 0) {
        return -1;
    }
    start = start < 0 || start >= count ? 0 : start;
    const int tries = flags & LVFI_WRAP ? count : count - start;
    for (int step = 0; step < tries; ++step) {
        const int place = (start + step) % count;
        if (matches(plain_cell(*store, store->shown[static_cast<size_t>(place)], 0), typed,
                    !(flags & LVFI_PARTIAL))) {
            return place;
        }
    }
    return -1;
}

bool control_held() {
    return GetKeyState(VK_CONTROL) < 0;
}

list_view_notice answer_key(HWND list, WORD key) {
    if (key == VK_F2) {
        edit_focused_labels(list);
    } else if (key == 'A' && control_held()) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
    } else if (key == 'C' && control_held()) {
        return list_view_notice::copy_asked;
    }
    return list_view_notice::other;
}

}  // namespace

list_view_notice answer_list_view(const NMHDR* header, LRESULT& result) {
    list_store* store = store_of(header->hwndFrom);
    if (store == nullptr) {
        return list_view_notice::other;
    }
    result = 0;
    switch (header->code) {
        case LVN_GETDISPINFOA:
            answer_display(reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header)));
            return list_view_notice::answered;
        case LVN_ODFINDITEMA:
        case LVN_ODFINDITEMW:
            result = find_row(header);
            return list_view_notice::answered;
        case LVN_BEGINLABELEDITA:
            begin_edit(reinterpret_cast<const NMLVDISPINFOA*>(header));
            return list_view_notice::answered;
        case LVN_ENDLABELEDITA:
            return end_edit(reinterpret_cast<const NMLVDISPINFOA*>(header))
                       ? list_view_notice::label_edited
                       : list_view_notice::answered;
        case LVN_KEYDOWN:
            return answer_key(header->hwndFrom,
                              reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
        case NM_DBLCLK:
            post_edit(header->hwndFrom, reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem,
                      false);
            return list_view_notice::other;
        case LVN_COLUMNCLICK:
            store->clicked_column = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
            return list_view_notice::column_clicked;
        default:
            return list_view_notice::other;
    }
}

bool keep_list_view_menu_point(HWND list, LPARAM point) {
    list_store* store = store_of(list);
    if (store == nullptr) {
        return false;
    }
    store->menu_point = point;
    return true;
}

void edit_focused_labels(HWND list) {
    post_edit(list,
              static_cast<int>(
                  SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)),
              true);
}
