// The "Networks" page of the main window: the find box with its count, the network list and
// the buttons Read, Write, Open... and Save as... along the bottom; and the handling of their
// events.
#pragma once

#include <vector>

#include "procedures/networks_page.h"

// The page's model and what its procedures ask of it; the model exists before the page is built
// (a Read, a failed Patch or the question at start may fill it first).
networks_page& network_page();

// Forgets the table: the list is empty, and no history (the window has just been built).
void forget_networks();

// Makes the page's controls (the page is the container) and shows the list's records: what a
// Read, Open..., a failed Patch or the question at start put there before the page was built.
void build_networks_page();

// The page's texts again, in the language now in use (nothing while it is not built).
void retext_networks_page();

// The least room the page's texts need between its margins (96-DPI units): 270 in English.
int networks_page_width();

// Places the page's controls for the tab control's present size and their texts: the list takes
// the room, a text wider than its place widens its control and moves what stands beside it.
void lay_out_networks_page();

// Ctrl+F: the keyboard focus to the find box, its text selected, when the page is shown.
void focus_find_box();

// Called for every control event of the window: takes the renames typed in the list, then
// runs the procedure of a button of the page, a find, a sort, an undo or a redo, or the list's
// context menu. Other controls' events change nothing else.
void handle_networks_event(int control);

// The list's column widths (96-DPI units): kept from the last run before the page is built, and
// as the user left them.
// False, keeping none, for other than network_column_count widths.
bool keep_network_column_widths(const std::vector<int>& widths);
std::vector<int> network_column_widths();
