#include "ui/window_icon.h"

#include <windows.h>

#include "ui/display_scale.h"
#include "ui/window_table.h"

namespace {

constexpr int program_icon = 1;  // the resource number of the program's icon
// A timer's message comes after every paint the thread has waiting.
constexpr UINT_PTR icon_timer = 0x6b74;

void set_icon(HWND window, WPARAM which, int size) {
    HANDLE icon = LoadImageA(program_instance(), MAKEINTRESOURCEA(program_icon), IMAGE_ICON, size,
                             size, 0);
    if (icon == nullptr)
        return;
    // The icon it replaces was loaded here too (the class's own is not returned).
    if (HICON old = reinterpret_cast<HICON>(
            SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon))))
        DestroyIcon(old);
}

}  // namespace

void set_window_icons(window_handle window, int dpi) {
    set_icon(window, ICON_SMALL, scaled_length(16, dpi));
    set_icon(window, ICON_BIG, scaled_length(32, dpi));
}

void set_window_icons_after_paint(window_handle window) {
    SetTimer(window, icon_timer, USER_TIMER_MINIMUM, nullptr);
}

bool take_icon_timer(window_handle window, unsigned long long timer) {
    if (timer != icon_timer)
        return false;
    KillTimer(window, icon_timer);
    set_window_icons(window, layout_dpi());
    return true;
}
