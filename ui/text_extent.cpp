#include "ui/text_extent.h"

#include <windows.h>

#include <vector>

#include "runtime/wide_text.h"
#include "ui/control_table.h"
#include "ui/display_scale.h"

namespace {

int width_in_font(HFONT font, const std::string& text) {
    if (text.empty())
        return 0;
    // A DC of its own, made once: the window's own is left to the window's painting, and a
    // layout measures some thirty texts each time.
    static HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    const std::vector<wchar_t> wide = wide_text(text);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()) - 1, &extent);
    SelectObject(dc, old);
    const int dpi = layout_dpi();
    return (static_cast<int>(extent.cx) * base_dpi + dpi - 1) / dpi;
}

}  // namespace

int text_width(const std::string& text) {
    return width_in_font(font_of_new_controls(), text);
}

bool status_bars_keep_their_font() {
    return scaled_font_or_none() == nullptr;
}
