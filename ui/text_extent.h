// How wide a text is drawn in a window's font, in 96-DPI units rounded up: the room a layout
// gives a control so that its text shows whole at the layout DPI.
#pragma once

#include <string>

#include "ui/window_handle.h"

int text_width_in(window_handle window, const std::string& text);

// The control's own text in its font; 0 for a number without a control.
int control_text_width(int number);
