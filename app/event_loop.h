// The main window's event loop: hands the clicks to the procedures behind the buttons.
#pragma once

#include <cstdint>

// Runs until the window's close is requested. wait_seconds follows the track bar.
void run_event_loop(int32_t& wait_seconds);
