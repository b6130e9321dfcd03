// Text fields and text boxes: platform edit controls with automatic horizontal scrolling.
#include "ui/text_field.h"

#include <windows.h>

#include "ui/control_table.h"

namespace {

constexpr DWORD text_field_style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;

}  // namespace

window_handle create_text_field(int number, int x, int y, int width, int height,
                                const std::string& text) {
    return create_common_control(number, WS_EX_CLIENTEDGE, "EDIT", text_field_style, text, x, y,
                                 width, height, &plain_kind);
}

void limit_control_text(int number, int max_length) {
    const control_entry& entry = control_entry_of(number);
    if (entry.handle != nullptr) {
        SendMessageA(entry.handle, EM_LIMITTEXT, static_cast<WPARAM>(max_length), 0);
    }
}

void select_all_text(int number) {
    const control_entry& entry = control_entry_of(number);
    if (entry.handle != nullptr) {
        SendMessageA(entry.handle, EM_SETSEL, 0, -1);
    }
}

window_handle create_text_box(int number, int x, int y, int width, int height,
                              const std::string& text, int flags) {
    const DWORD extended_style = (flags & text_box_flag_no_edge) != 0 ? 0 : WS_EX_CLIENTEDGE;
    return create_common_control(number, extended_style, "EDIT",
                                 static_cast<DWORD>(flags) | text_field_style, text, x, y, width,
                                 height, &plain_kind);
}
