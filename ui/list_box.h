// List boxes and combo boxes: lists of text items whose state is the selected index
// (-1 when none). Items are added, read, renamed and removed through the item
// operations of control.h. Each returns the control's platform handle, 0 when it could
// not be made.
#pragma once

#include <string>

#include "ui/window_handle.h"

// List-box style bits in the flags are added to the list box's style.
window_handle create_list_box(int number, int x, int y, int width, int height, int flags);

// Without flags a drop-down list; with flags, combo-box style bits, and a drop-down list
// unless the flags ask for a drop-down combo (0x2).
window_handle create_combo_box(int number, int x, int y, int width, int height);
window_handle create_combo_box_with_flags(int number, int x, int y, int width, int height,
                                          int flags);
