// Track bars: a slider whose state is its position. Returns the control's platform
// handle; 0 when it could not be made, in which case nothing is stored under the number.
#pragma once

#include "ui/window_handle.h"

// Both ends of a track bar's range are kept within 0 to this.
constexpr int track_bar_range_limit = 10000;

window_handle create_track_bar(int number, int x, int y, int width, int height, int minimum,
                               int maximum);
// Track-bar style bits in the flags are added to the style.
window_handle create_track_bar_with_flags(int number, int x, int y, int width, int height,
                                          int minimum, int maximum, int flags);
