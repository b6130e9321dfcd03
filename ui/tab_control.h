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

// Makes the controls of the tab control's page `index` only when that page is first shown
// (selected by set_control_state or by the user): `build` runs once, just before the page
// shows, with the page as the container of the controls it creates; the container is the same
// after it as before. A page shown already is built at once. Controls are made on a hidden
// page either way, so the page looks the same; a page never looked at costs nothing at start.
using page_builder = void (*)();
void build_page_when_shown(int tab_number, int index, page_builder build);

// Height of the row of tabs, measured when the last tab control was created or moved.
int tab_header_height();

// For the rest of the layer: shows the page of the selected item and hides the page shown
// so far (after the user chose a tab), and sizes the pages again after the tab control
// was moved or resized.
void show_selected_page(window_handle tab_control);
void lay_out_pages(window_handle tab_control);
