// A control kind: a fixed record of optional operations, each taking the control's
// platform window first. An absent operation gives the default that the control
// operations apply (see control.cpp): destroy the window, state 0, the window text, and
// nothing for the item operations.
#pragma once

#include <string>

#include "ui/window_handle.h"

struct control_kind {
    void (*destroy)(window_handle control);
    int (*get_state)(window_handle control);
    void (*set_state)(window_handle control, int value);
    void (*get_text)(window_handle control, std::string& text);  // appends the text
    void (*set_text)(window_handle control, const std::string& text);
    void (*add_item)(window_handle control, int position, const std::string& text);
    void (*add_item_ex)(window_handle control, int position, const std::string& text, int value);
    void (*remove_item)(window_handle control, int index);
    void (*clear_items)(window_handle control);
    void (*reserved)();  // no operation reads this slot
    int (*count_items)(window_handle control);
    int (*get_item_state)(window_handle control, int index);
    void (*set_item_state)(window_handle control, int index, int value);
    void (*get_item_text)(window_handle control, int index, std::string& text);  // appends
    void (*set_item_text)(window_handle control, int index, const std::string& text, int value);
};

// The kinds of this layer. Text fields, text boxes, labels and static frames have no
// operations of their own.
extern const control_kind plain_kind;
extern const control_kind push_button_kind;  // buttons, check boxes, options, group frames
extern const control_kind track_bar_kind;
extern const control_kind progress_bar_kind;
extern const control_kind tab_kind;
extern const control_kind list_box_kind;
extern const control_kind combo_box_kind;
extern const control_kind list_view_kind;
