// The "Main" page of the main window: Connect, Patch and Restart, the name field, the wait and
// its track bar, and the two progress bars.
#pragma once

#include <cstdint>
#include <string>

// Adds the page as the tab control's first page, with its controls.
void build_main_page(int32_t wait_seconds);

// The room the page's texts need between its margins (96-DPI units), with the longest wait:
// 270 in English.
int32_t main_page_width();

// Places the page's controls for their texts: a text wider than its place widens its control
// and moves what stands beside it; the wait and the bars span the width given (the window's
// smallest, less the margins), at least main_page_width().
void lay_out_main_page(int32_t width);

// The page's texts again, in the language now in use.
void retext_main_page(int32_t wait_seconds);

std::string wait_label_text(int32_t wait_seconds);
