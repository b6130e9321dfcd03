#include "ui/window_icon.h"

#include <windows.h>

#include "ui/display_scale.h"
#include "ui/window_table.h"

namespace {

constexpr int program_icon = 1;  // the resource number of the program's icon

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
