// Push buttons, check boxes and options: platform buttons whose state is the check state
// (BM_GETCHECK / BM_SETCHECK).
#include "ui/push_button.h"

#include "ui/control_table.h"

namespace {

constexpr DWORD push_button_style = 0x50030000;   // child, visible, group, tab stop
constexpr DWORD check_box_style = 0x50030003;     // ... with BS_AUTOCHECKBOX
constexpr DWORD first_option_style = 0x50030009;  // BS_AUTORADIOBUTTON starting a group
constexpr DWORD next_option_style = 0x50010009;   // BS_AUTORADIOBUTTON in the open group

int get_check(window_handle control) {
    return static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
}

void set_check(window_handle control, int value) {
    SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

}  // namespace

const control_kind push_button_kind = {
    nullptr, get_check, set_check, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr,   nullptr,   nullptr, nullptr, nullptr, nullptr,
};

window_handle create_button(int number, int x, int y, int width, int height,
                            const std::string& text) {
    return create_button_with_flags(number, x, y, width, height, text, 0);
}

window_handle create_button_with_flags(int number, int x, int y, int width, int height,
                                       const std::string& text, int flags) {
    return create_common_control(number, 0, "BUTTON", static_cast<DWORD>(flags) | push_button_style,
                                 text, x, y, width, height, &push_button_kind);
}

window_handle create_check_box(int number, int x, int y, int width, int height,
                               const std::string& text, int flags) {
    return create_common_control(number, 0, "BUTTON", static_cast<DWORD>(flags) | check_box_style,
                                 text, x, y, width, height, &push_button_kind);
}

window_handle create_option(int number, int x, int y, int width, int height,
                            const std::string& text) {
    const DWORD style = option_group_open() ? next_option_style : first_option_style;
    HWND handle = create_common_control(number, 0, "BUTTON", style, text, x, y, width, height,
                                        &push_button_kind);
    open_option_group();
    return handle;
}
