#include "ui/text_extent.h"

#include <windows.h>

#include <vector>

#include "runtime/wide_text.h"
#include "ui/control.h"
#include "ui/display_scale.h"

int text_width_in(window_handle window, const std::string& text) {
    if (window == nullptr || text.empty())
        return 0;
    // A DC of its own: the window's own is left to the window's painting.
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    const std::vector<wchar_t> wide = wide_text(text);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()) - 1, &extent);
    SelectObject(dc, old);
    DeleteDC(dc);
    const int dpi = layout_dpi();
    return (static_cast<int>(extent.cx) * base_dpi + dpi - 1) / dpi;
}

int control_text_width(int number) {
    return text_width_in(control_handle(number), get_control_text(number));
}
