// Track bars: the common controls' trackbar, its range clamped to 0..10,000 because the
// range message carries each end in 16 bits. Every move reaches the container as
// WM_HSCROLL, which the window procedure turns into a control event.
#include "ui/track_bar.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/control_table.h"

namespace {

constexpr DWORD track_bar_style = 0x50010000;  // child, visible, tab stop

int get_position(window_handle control) {
    return static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
}

void set_position(window_handle control, int value) {
    SendMessageA(control, TBM_SETPOS, TRUE, value);
}

}  // namespace

const control_kind track_bar_kind = {
    nullptr, get_position, set_position, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr,      nullptr,      nullptr, nullptr, nullptr, nullptr,
};

window_handle create_track_bar(int number, int x, int y, int width, int height, int minimum,
                               int maximum) {
    return create_track_bar_with_flags(number, x, y, width, height, minimum, maximum, 0);
}

window_handle create_track_bar_with_flags(int number, int x, int y, int width, int height,
                                          int minimum, int maximum, int flags) {
    if (number < 0) {
        return nullptr;
    }
    HWND handle =
        create_child_control(number, 0, TRACKBAR_CLASSA,
                             static_cast<DWORD>(flags) | track_bar_style, "", x, y, width, height);
    if (handle == nullptr) {
        return nullptr;
    }
    minimum = std::clamp(minimum, 0, track_bar_range_limit);
    maximum = std::clamp(maximum, 0, track_bar_range_limit);
    SendMessageA(handle, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
    store_control(number, handle, &track_bar_kind);
    return handle;
}
