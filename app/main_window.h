// The program's only window: a tab control with the pages "Main", "Help-n-About", "License"
// and "Networks", and a status bar; and the event loop that hands clicks to the procedures.
#pragma once

#include <cstdint>
#include <string>

#include "ui/tab_control.h"

// Builds the window and the Main page; each other page gets its controls when first shown.
void build_main_window(int32_t wait_seconds);

// Adds the next page of the window's tab control; `build` makes its controls when it is first
// shown.
void add_page_built_when_shown(const char* caption, page_builder build);

// Runs until the window's close is requested. wait_seconds follows the track bar.
void run_event_loop(int32_t& wait_seconds);

std::string wait_label_text(int32_t wait_seconds);
