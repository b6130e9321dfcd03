// The control table and the container in which new controls are created, shared by the
// creation operations of every kind and by the operations on existing controls.
#pragma once

#include <windows.h>

#include <string>

#include "ui/control_kind.h"

constexpr int initial_control_capacity = 30;
constexpr int control_capacity_step = 30;
constexpr int container_stack_room = 20;

struct control_entry {
    HWND handle = nullptr;
    const control_kind* kind = nullptr;
};

// The entry of the number; an always empty entry for numbers outside the table.
const control_entry& control_entry_of(int number);

// Grows the table for the number and stores the control under it, overwriting (not
// destroying) an earlier one. Refused for a negative number.
bool store_control(int number, HWND handle, const control_kind* kind);

// Creates a child window of the current container with the control number as its id.
HWND create_child_control(int number, DWORD extended_style, const char* class_name, DWORD style,
                          const std::string& text, int x, int y, int width, int height);

// The common creation routine: creates the control, stores it (also when the platform
// refused it), gives it the control font and closes an open option group. Returns 0 for
// a negative number without creating anything.
HWND create_common_control(int number, DWORD extended_style, const char* class_name, DWORD style,
                           const std::string& text, int x, int y, int width, int height,
                           const control_kind* kind);

HWND current_container();

// The font made for the layout DPI; 0 at 96 DPI while the stock font is kept there (every
// control, and the status bar, keep their own).
HFONT scaled_font_or_none();
// The font that controls created now get.
HFONT font_of_new_controls();
void make_container(HWND window);

// Saves the current container for close_container; false when the stack is full.
bool push_container();

// Set after an option (radio button) is created; cleared by the common routine.
bool option_group_open();
void open_option_group();
