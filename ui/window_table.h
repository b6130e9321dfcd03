// What the rest of the layer needs from the window table: the accelerator table of a
// window for the event wait, the program's module instance, and the class of tab pages.
#pragma once

#include <windows.h>

// Class of the pages of tab controls, registered once by init_window_layer from the same
// template as the windows' own classes.
constexpr wchar_t page_class_name[] = L"TemplateClass";

// The accelerator table of the first slot whose window is the given one; 0 when none.
HACCEL accelerator_table_of(HWND window);

// What a window that may grow asks for (let_window_grow); zeros and no layout for others.
struct window_sizing {
    int min_width = 0;
    int min_height = 0;
    void (*lay_out)(int width, int height) = nullptr;
};
window_sizing sizing_of(HWND window);
// The smallest client size (96-DPI units) of the window that may grow; nothing for others.
void set_smallest_size(HWND window, int min_width, int min_height);

// The module instance of the program, the owner of every window class and window.
HINSTANCE program_instance();

// Makes the given handle the current window.
void make_current_window(HWND window);
