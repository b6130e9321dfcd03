// Numbered controls: the application creates a control under a number of its own choosing
// (push_button.h, text_field.h, label.h, track_bar.h, progress_bar.h, tab_control.h, ...)
// and afterwards reaches it only by that number. Each control's kind decides what its
// state and text mean: the selected page of a tab control, the position of a track bar.
// A number without a control reads as state 0 and the empty text, and setting anything
// on it does nothing.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control_container.h"
#include "ui/window_handle.h"

// At most this many bytes of a control's window text are read.
constexpr int control_text_limit = 4999;

// Adds an item to the control; for a tab control, a page that becomes the container.
void add_control_item(int number, int position, const std::string& text);

// The control's state: selected page, track bar or progress bar position, check state.
int get_control_state(int number);
void set_control_state(int number, int value);

// The control's text (for a tab control the selected item's caption).
std::string get_control_text(int number);
void set_control_text(int number, const std::string& text);

// Gives the keyboard focus to the control; a number without a control clears the focus.
void focus_control(int number);

// Further operations on existing controls.
void destroy_control(int number);
void disable_control(int number, int disable);  // non-zero disables, 0 enables
void hide_control(int number, int hide);        // non-zero hides, 0 shows
window_handle control_handle(int number);
int control_width(int number);
int control_height(int number);
int control_left(int number);  // relative to the parent's client area
int control_top(int number);
// Moves and resizes; -1 keeps the present x, y, width or height.
void move_control(int number, int x, int y, int width, int height);

// Item operations, dispatched through the control's kind.
void add_control_item_ex(int number, int position, const std::string& text, int value);
void remove_control_item(int number, int index);
void clear_control_items(int number);
int count_control_items(int number);
int get_control_item_state(int number, int index);
void set_control_item_state(int number, int index, int value);
std::string get_control_item_text(int number, int index);
void set_control_item_text(int number, int index, const std::string& text, int value);
