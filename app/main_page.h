// The "Main" page of the main window: Connect, Patch and Restart, the name field, the wait and
// its track bar, and the two progress bars.
#pragma once

#include <cstdint>
#include <string>

// Adds the page as the tab control's first page, with its controls.
void build_main_page(int32_t wait_seconds);

std::string wait_label_text(int32_t wait_seconds);
