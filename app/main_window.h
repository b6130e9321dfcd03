// The program's only window: a tab control with the pages "Main", "Help-n-About", "License"
// and "Networks", and a status bar.
#pragma once

#include <cstdint>

// The client area as the window opens in English at 96 DPI, which is also its smallest then
// (96-DPI units); the status bar takes the bottom 16.
constexpr int32_t main_window_opening_width = 290;
constexpr int32_t main_window_opening_height = 180;

// Builds the window and the Main page; each other page gets its controls when first shown.
void build_main_window(int32_t wait_seconds);

// Every text of the window again, in the language now in use: tabs, pages, the system menu.
void retext_main_window(int32_t wait_seconds);

// Shows the Networks page (building it when it is first shown).
void show_networks_page();
