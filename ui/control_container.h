// Where new controls go and what they look like: the container window, the stack of
// containers that tab controls save, the control font; and the start of the control layer.
#pragma once

#include <cstdint>

#include "ui/window_handle.h"

// Clears the control table, takes the default font and initialises the platform's common
// controls. Called once at start-up, before init_window_layer.
void init_control_layer();

// Number of usable entries of the control table.
int control_capacity();

// New controls are created in this window (until a tab control adds a page).
void set_container(window_handle window);

// The container saved by the last tab control creation becomes current again; nothing
// when none is saved.
void close_container();

// Font of the controls created from now on: a platform font handle, or -1 for the
// default font.
void set_control_font(std::intptr_t font);
// At 96 DPI the controls have the stock font, a code page's bitmap font; for another script
// than the code page's they need the dialog face there too. Takes effect at the next
// refont_controls.
void keep_stock_font_at_96(bool keep);
// Every control gets the font of the layout DPI (after it changed).
void refont_controls();
// Every control's place and size, and a list's column widths, from one DPI to another.
void rescale_controls(int old_dpi, int new_dpi);
