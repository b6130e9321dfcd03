// The display scale: the dots per inch of the screen a window is on, and lengths laid out at
// 96 DPI scaled to it. The per-monitor functions of newer Windows are looked up at run time;
// where they are missing the system's DPI stands for every window.
#pragma once

#include "ui/window_handle.h"

constexpr int base_dpi = 96;

// The length (given at 96 DPI) at the DPI, rounded; and back.
int scaled_length(int length, int dpi);
int unscaled_length(int length, int dpi);

// The DPI of the system (the primary screen's at start-up).
int system_dpi();
// The DPI of the screen the window is on; the system's where Windows can't tell.
int window_dpi(window_handle window);

// The layer lays out at one DPI (the system's at start, a window's after it moved to another
// screen): every position and size the application gives or is given is in 96-DPI units, which
// the layer turns into pixels at that DPI and back. At 96 DPI both are the same numbers.
int layout_dpi();
void set_layout_dpi(int dpi);
int to_pixels(int length);
int to_layout(int pixels);
