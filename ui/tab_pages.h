// The pages of tab controls: each item of a tab control brings a page, the container of the
// controls created next; selecting an item shows its page and hides the one shown so far.
#pragma once

#include <string>

#include "ui/window_handle.h"

// Makes the controls of the tab control's page `index` only when that page is first shown
// (selected by set_control_state or by the user): `build` runs once, just before the page
// shows, with the page as the container of the controls it creates; the container is the same
// after it as before. A page shown already is built at once. Controls are made on a hidden
// page either way, so the page looks the same; a page never looked at costs nothing at start.
using page_builder = void (*)();
void build_page_when_shown(int tab_number, int index, page_builder build);

// Height of the row of tabs, measured when the last tab control was created or moved.
int tab_header_height();

// For the rest of the layer: a new tab control's pages start anew; a page is added with its
// caption as the tab's last item, or removed with its item.
void start_tab_pages(window_handle tab_control);
void add_tab_page(window_handle tab_control, const std::string& caption);
void remove_tab_page(window_handle tab_control, int index);

// For the rest of the layer: shows the page of the selected item and hides the page shown
// so far (after the user chose a tab), and sizes the pages again after the tab control
// was moved or resized.
void show_selected_page(window_handle tab_control);

// Each page keeps the control it had focused last: note_page_focus notes the focused control
// for its page (after every message taken); focus_shown_page gives the focus to the shown
// page's control, or to the tab strip when the page has none that can take it.
void note_page_focus();
void focus_shown_page(window_handle tab_control);
void lay_out_pages(window_handle tab_control);
