#include "ui/clipboard.h"

#include <windows.h>

#include <cstring>

void put_text_on_clipboard(window_handle owner, const std::string& text) {
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
