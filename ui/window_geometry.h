// Further operations on numbered windows and on the current window: choose the current
// window, show or hide, move, resize by client size, and read its sizes and edges.
#pragma once

// Makes the window open under the number the current window; nothing for a number
// without a window.
void set_current_window(int number);

// A non-zero hide hides the window of the number; 0 shows it in its normal state.
void show_window(int number, int hide);

// Moves the current window's outer top-left corner to x, y without resizing it.
void move_current_window(int x, int y);

// Resizes the current window so that its client area is width x height.
void resize_current_window(int width, int height);

// Removes the menu of the current window.
void remove_current_window_menu();

// Client width and height of the current window (the height includes a menu bar when the
// window has one), its outer left and top edge, and the mouse position relative to its
// outer top-left corner. All 0 when there is no current window.
int current_window_width();
int current_window_height();
int current_window_left();
int current_window_top();
int current_window_mouse_x();
int current_window_mouse_y();
