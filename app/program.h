// The program's main procedure: start-up, the event loop and shutdown.
#pragma once

#include <cstdint>

// Runs the program until its window is closed; returns the process exit code.
int run_program(uint32_t random_seed);
