// The program's only window: a tab control with the pages "Main", "Help-n-About", "License"
// and "Networks", and a status bar; and the event loop that hands clicks to the procedures.
#pragma once

#include <cstdint>
#include <string>

void build_main_window(int32_t wait_seconds);

// Runs until the window's close is requested. wait_seconds follows the track bar.
void run_event_loop(int32_t& wait_seconds);

std::string wait_label_text(int32_t wait_seconds);
