// The program's only window: a tab control with the pages "Main", "Help-n-About", "License"
// and "Networks", and a status bar.
#pragma once

#include <cstdint>

// Builds the window and the Main page; each other page gets its controls when first shown.
void build_main_window(int32_t wait_seconds);

// Every text of the window again, in the language now in use: tabs, pages, the system menu.
void retext_main_window(int32_t wait_seconds);

// Shows the Networks page (building it when it is first shown).
void show_networks_page();
