// Progress bars: the common controls' progress bar. The range message carries each end in
// 16 bits; the ends are passed as given.
#include "ui/progress_bar.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/control_table.h"

namespace {

constexpr DWORD progress_bar_style = 0x50000000;  // child, visible

int get_position(window_handle control) {
    return static_cast<int>(SendMessageA(control, PBM_GETPOS, 0, 0));
}

void set_position(window_handle control, int value) {
    SendMessageA(control, PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

}  // namespace

const control_kind progress_bar_kind = {
    nullptr, get_position, set_position, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr,      nullptr,      nullptr, nullptr, nullptr, nullptr,
};

window_handle create_progress_bar(int number, int x, int y, int width, int height, int minimum,
                                  int maximum) {
    return create_progress_bar_with_flags(number, x, y, width, height, minimum, maximum, 0);
}

window_handle create_progress_bar_with_flags(int number, int x, int y, int width, int height,
                                             int minimum, int maximum, int flags) {
    if (number < 0) {
        return nullptr;
    }
    HWND handle = create_child_control(number, 0, PROGRESS_CLASSA,
                                       static_cast<DWORD>(flags) | progress_bar_style, "", x, y,
                                       width, height);
    if (handle == nullptr) {
        return nullptr;
    }
    SendMessageA(handle, PBM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
    store_control(number, handle, &progress_bar_kind);
    return handle;
}
