// The notifications of the layer's list views: the texts the control draws, the label editor,
// the keys F2, Ctrl+A and Ctrl+C, type-ahead search and header clicks.
#include "ui/list_view_notice.h"

#include <commctrl.h>

#include <string>

#include "ui/list_view_store.h"
#include "runtime/wide_text.h"

namespace {

void answer_display(NMLVDISPINFOW* display) {
    LVITEMW& item = display->item;
    HWND list = display->hdr.hwndFrom;
    const list_store* store = store_of(list);
    const int row = row_at(list, item.iItem);
    if (store == nullptr || row < 0 || !(item.mask & LVIF_TEXT) || item.pszText == nullptr ||
        item.cchTextMax <= 0) {
        return;
    }
    lstrcpynW(item.pszText, wide_text(shown_cell(*store, row, item.iSubItem)).data(),
              item.cchTextMax);
}

// The editor is opened once the list has finished with the key or click that asked for it.
// The selection is taken now: the platform may leave only the edited row selected.
void post_edit(HWND list, int place, bool many) {
    list_store* store = store_of(list);
    if (store != nullptr && row_at(list, place) >= 0) {
        store->edit_many = many ? selected_rows(list) : std::vector<int>();
        PostMessageW(list, LVM_EDITLABELW, static_cast<WPARAM>(place), 0);
    }
}

void begin_edit(const NMLVDISPINFOW* display) {
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
    SendMessageA(editor, EM_LIMITTEXT, static_cast<WPARAM>(store->label_max), 0);
    SetWindowTextW(editor, wide_text(plain_cell(*store, row, 0)).data());
}

// The rows the editor named are selected again, kept or not.
bool end_edit(const NMLVDISPINFOW* display) {
    const wchar_t* text = display->item.pszText;
    HWND list = display->hdr.hwndFrom;
    list_store* store = store_of(list);
    const int row = row_at(list, display->item.iItem);
    if (store->editing.size() > 1) {
        select_rows(list, store->editing, row);
    }
    if (text == nullptr || *text == L'\0' || row < 0) {
        return false;
    }
    store->edits.push_back({row, utf8_text(text), store->editing});
    return true;
}

// Case-insensitive: does the text start with the typed letters (or equal them, when whole)?
bool matches(const std::string& text, const std::vector<wchar_t>& typed, bool whole) {
    const std::vector<wchar_t> wide = wide_text(text);
    const size_t length = typed.size() - 1;  // both end in a NUL
    if (wide.size() - 1 < length || (whole && wide.size() != typed.size())) {
        return false;
    }
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wide.data(),
                          static_cast<int>(length), typed.data(),
                          static_cast<int>(length)) == CSTR_EQUAL;
}

// Type-ahead in a list with owner data: the place of the next row, from the start place on
// and then from the top, whose first cell starts with the typed letters; -1 when none does.
LRESULT find_row(const NMHDR* header) {
    const auto* find = reinterpret_cast<const NMLVFINDITEMW*>(header);
    int start = find->iStart;
    const UINT flags = find->lvfi.flags;
    const bool typed_text = (flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz != nullptr;
    const std::vector<wchar_t> typed = wide_text(typed_text ? utf8_text(find->lvfi.psz) : "");
    const list_store* store = store_of(header->hwndFrom);
    const int count = static_cast<int>(store->shown.size());
    if (typed.size() <= 1 || count == 0) {
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
    } else if (key == 'Z' && control_held()) {
        return GetKeyState(VK_SHIFT) < 0 ? list_view_notice::redo_asked
                                         : list_view_notice::undo_asked;
    } else if (key == 'Y' && control_held()) {
        return list_view_notice::redo_asked;
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
        // The list's parent is a Unicode window: the list asks in UTF-16.
        case LVN_GETDISPINFOW:
            answer_display(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header)));
            return list_view_notice::answered;
        case LVN_ODFINDITEMW:
            result = find_row(header);
            return list_view_notice::answered;
        case LVN_BEGINLABELEDITW:
            begin_edit(reinterpret_cast<const NMLVDISPINFOW*>(header));
            return list_view_notice::answered;
        case LVN_ENDLABELEDITW:
            return end_edit(reinterpret_cast<const NMLVDISPINFOW*>(header))
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
