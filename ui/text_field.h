// Edit controls: one-line text fields and multi-line text boxes, with a sunken edge.
// Their text is the window text; they have no state. Each returns the control's platform
// handle, 0 when it could not be made.
#pragma once

#include <string>

#include "ui/window_handle.h"

// Extended-style choice carried in the text box's flags: no sunken edge.
constexpr int text_box_flag_no_edge = 0x20000;

// The event detail of a text field whose text changed (typed, pasted or set).
constexpr int text_field_changed = 0x0300;

window_handle create_text_field(int number, int x, int y, int width, int height,
                                const std::string& text);
// Keeps the text of a text field or box to at most max_length characters, typed or pasted
// (EM_LIMITTEXT). Nothing happens for a number without a control.
void limit_control_text(int number, int max_length);

// Selects the whole text of a text field or box.
void select_all_text(int number);

// Edit-control style bits for a text box's flags: multi-line, scrolling both ways, read-only.
constexpr int text_box_read_only = 0x8E4;

// The flags are edit-control style bits, text_box_read_only or others, and text_box_flag_no_edge.
window_handle create_text_box(int number, int x, int y, int width, int height,
                              const std::string& text, int flags);
