// Numbered status bars: a row of fields along the bottom of a window, each showing one
// text. Fields are added by width, from left to right, to the status bar created last.
#pragma once

#include <string>

#include "ui/window_handle.h"

constexpr int initial_status_bar_capacity = 10;
constexpr int status_bar_capacity_step = 10;
constexpr int status_field_limit = 50;  // further fields are refused

// Flags of set_status_text.
constexpr int status_flag_no_border = 1;
constexpr int status_flag_raised = 2;  // ignored with no border
constexpr int status_flag_centred = 4;
constexpr int status_flag_right = 8;  // ignored when centred

// Clears the status bar table. Called once at start-up.
void init_status_bars();

// Creates a status bar along the bottom of the parent window and stores it under the
// number (an earlier bar under the number is not destroyed); it becomes the bar that
// add_status_field works on, with no fields yet. Returns its handle, or 0 when it could
// not be made or the number is negative, and then nothing changes.
window_handle create_status_bar(int number, window_handle parent);

// Appends a field of the width in pixels to the status bar created last.
void add_status_field(int width);

// Shows the text in the field (0 = leftmost) of the status bar of the number; nothing
// when the number has no status bar.
void set_status_text(int number, int field, const std::string& text, int flags);

// Sets the icon (a platform icon handle) of a field; nothing without a bar or an icon.
void set_status_icon(int number, int field, void* icon);

// Places the status bars of the window along its bottom again, after its size changed; the
// last field of each reaches to the bar's right end.
void fit_status_bars(window_handle window);

// Every status bar gets the type of the layout DPI (after it changed), as the controls do; the
// window's next size change places them again.
void refont_status_bars();

// Destroys every status bar; the first step of the layer's final clean-up.
void free_status_bars();

// Number of usable entries of the status bar table (numbers 0 to capacity).
int status_bar_capacity();
