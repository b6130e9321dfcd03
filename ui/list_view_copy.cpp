#include "ui/list_view_copy.h"

#include <cstring>
#include <string>

#include "ui/list_view_store.h"

namespace {

void put_on_clipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_TEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

}  // namespace

void copy_selected_rows(HWND list) {
    const list_store* store = store_of(list);
    const std::vector<int> rows = selected_rows(list);
    if (store == nullptr || rows.empty()) {
        return;
    }
    std::string text;
    for (size_t column = 0; column < store->headers.size(); ++column) {
        text += (column == 0 ? "" : "\t") + store->headers[column];
    }
    for (int row : rows) {
        text += "\r\n";
        for (size_t column = 0; column < store->headers.size(); ++column) {
            text += (column == 0 ? "" : "\t") +
                    plain_cell(store->rows[static_cast<size_t>(row)], static_cast<int>(column));
        }
    }
    put_on_clipboard(list, text);
}
