#include "ui/clipboard.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "runtime/wide_text.h"

void put_text_on_clipboard(window_handle owner, const std::string& text) {
    if (!OpenClipboard(owner)) {
        return;
    }
    EmptyClipboard();
    const std::vector<wchar_t> wide = wide_text(text);
    const size_t size = wide.size() * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        std::memcpy(GlobalLock(memory), wide.data(), size);
        GlobalUnlock(memory);
        // Windows makes the code page's CF_TEXT of it for programs that ask for that.
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}
