// The window's icons at the sizes made for its DPI: the small one (title bar, taskbar) and the
// big one (Alt+Tab), both from the program's icon resource.
#pragma once

#include "ui/window_handle.h"

void set_window_icons(window_handle window, int dpi);
