// Tab controls: the one control that holds other controls. Every item added to it
// (add_control_item) brings a page, which at once becomes the container of the controls
// created next; selecting an item (set_control_state, or the user's click) shows its page
// and hides the one shown so far. The state is the selected item's index, the text the
// selected item's caption.
#pragma once

#include "ui/window_handle.h"

// Creates the tab control in the current container and saves that container (see
// close_container). Returns the control's platform handle; 0 when the container stack is
// already full (tab controls nested 20 deep) or the number is negative, and then nothing
// is created.
window_handle create_tab_control(int number, int x, int y, int width, int height);
