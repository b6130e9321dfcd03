// Progress bars: a bar whose state is its position within the range given at creation.
// Returns the control's platform handle; 0 when it could not be made, in which case
// nothing is stored under the number.
#pragma once

#include "ui/window_handle.h"

window_handle create_progress_bar(int number, int x, int y, int width, int height, int minimum,
                                  int maximum);
// Progress-bar style bits in the flags are added to the style.
window_handle create_progress_bar_with_flags(int number, int x, int y, int width, int height,
                                             int minimum, int maximum, int flags);
