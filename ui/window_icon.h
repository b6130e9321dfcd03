// The window's icons at the sizes made for its DPI: the small one (title bar, taskbar) and the
// big one (Alt+Tab), both from the program's icon resource.
#pragma once

#include "ui/window_handle.h"

void set_window_icons(window_handle window, int dpi);

// The same once the window has painted: decoding the icon's images is not worth a later first
// picture. The window procedure hands its WM_TIMER to take_icon_timer, true when it was this one.
void set_window_icons_after_paint(window_handle window);
bool take_icon_timer(window_handle window, unsigned long long timer);
