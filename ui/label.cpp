// Labels and frames: platform static controls, and the button class's group box.
#include "ui/label.h"

#include "ui/control_table.h"

namespace {

constexpr DWORD label_style = 0x50020000;          // child, visible, group
constexpr DWORD group_box_style = 0x50020007;      // ... BS_GROUPBOX
constexpr DWORD framed_static_style = 0x50020001;  // ... SS_CENTER

}  // namespace

window_handle create_label(int number, int x, int y, int width, int height,
                           const std::string& text) {
    return create_label_with_flags(number, x, y, width, height, text, 0);
}

window_handle create_label_with_flags(int number, int x, int y, int width, int height,
                                      const std::string& text, int flags) {
    const DWORD extended_style = (flags & label_flag_sunken) != 0 ? WS_EX_CLIENTEDGE : 0;
    return create_common_control(number, extended_style, "STATIC",
                                 static_cast<DWORD>(flags) | label_style, text, x, y, width, height,
                                 &plain_kind);
}

window_handle create_frame(int number, int x, int y, int width, int height, const std::string& text,
                           int flag) {
    if (flag == 0) {
        return create_common_control(number, 0, "BUTTON", group_box_style, text, x, y, width,
                                     height, &push_button_kind);
    }
    const DWORD extended_style = flag == 1 ? WS_EX_CLIENTEDGE : WS_EX_STATICEDGE;
    return create_common_control(number, extended_style, "STATIC", framed_static_style, text, x, y,
                                 width, height, &plain_kind);
}
