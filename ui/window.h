// Numbered top-level windows. The application names each window by a small number of
// its own choosing; the layer keeps one record per number with the platform window, a
// window class named after the number and a Tab / Shift+Tab accelerator table. The
// window opened last is the current window, the parent that the application hands to
// the control layer and to the status bar.
#pragma once

#include <string>
#include <vector>

#include "ui/window_handle.h"

// Bits of the flag word of open_window that the layer interprets; every other bit is a
// platform window style bit and reaches the platform unchanged.
constexpr int window_flag_centre_on_screen = 0x00000001;
constexpr int window_flag_centre_on_active = 0x00000002;  // wins over centring on the screen
constexpr int window_flag_hidden = 0x10000000;            // the inverse of the visible style bit
// Platform styles for the flag word: caption, system menu and minimise box; with a sizing border
// and a maximise box too.
constexpr int window_style_fixed = 0x00CA0000;
constexpr int window_style_sizable = 0x00CF0000;

// Accelerator commands of every window: Tab and Shift+Tab move the keyboard focus.
constexpr int command_focus_next = 1212;
constexpr int command_focus_previous = 1213;

constexpr int initial_window_capacity = 10;
constexpr int window_capacity_step = 10;

// Clears the window table and the event state and registers "TemplateClass", the class
// of tab pages. Called once at start-up, after init_control_layer.
void init_window_layer();

// Opens a window under the number, replacing a window already open under it. Width and
// height are those of the client area; x and y are the outer top-left corner unless the
// flags ask for centring. Returns the handle, or 0 when the platform refuses the window
// or the number is negative.
window_handle open_window(int number, int x, int y, int width, int height, int flags,
                          const std::string& title);

// Destroys the window open under the number and unregisters its class; nothing happens
// for a number without a window. The current window is not changed.
void close_window(int number);

// Closes every window, from the highest number down to 0.
void close_all_windows();

// The window most recently opened with success; 0 before that.
window_handle current_window();

// The window open under the number, or 0.
window_handle window_of(int number);

// The number of the window, searched from 0 upward, or -1 when it is none of the
// numbered windows (a tab page, say).
int window_number_of(window_handle window);

// Brings the window that another copy of this program keeps under the number, with the title,
// to the front (restoring it when minimised; the message box it shows, if any, comes first).
// False when no such window exists.
bool bring_other_copy_to_front(int number, const std::string& title);

// Paints at once whatever waits to be painted in the window and its controls, taking no
// message from the queue: for work that keeps the thread busy for a while.
void paint_window_now(int number);

// A window that the user may resize: it gets no smaller than the client size given (a smaller
// window grows to it at once, about its centre), and after every change of its size the layout
// procedure runs with the new client width and height (also while a procedure keeps the thread
// busy and only polls for events). The window's status bars follow it by themselves.
using window_layout = void (*)(int width, int height);
void let_window_grow(int number, int min_width, int min_height, window_layout lay_out);

// Ctrl and the letter (upper case) raise event_command with the command as its control number
// while the window is active.
void add_ctrl_key_command(int number, char letter, int command);

// A submenu of choices at the end of the window's system menu (Alt+Space, or a click on the
// title bar's icon), with the checked one marked as a radio item. A choice raises event_command
// with its command as the control number. Commands are multiples of 16 from 16 to 0xEFF0 (the
// system keeps the low four bits); another call puts a new submenu in the old one's place.
struct menu_choice {
    int command;
    std::string text;
};
void set_system_menu_choices(int number, const std::string& title,
                             const std::vector<menu_choice>& choices, int checked_command);

// Number of usable slots of the window table.
int window_capacity();
