// The progress runs that Patch and Restart show on the step bar (110) and the overall bar (111).
#pragma once

#include <cstdint>

// One progress run of 101 steps: every step sleeps 10 ms, sets the step bar to i and the
// overall bar to overall_start + overall_step * i, and polls one window event, dropping it,
// so that the window keeps painting.
void run_progress(int32_t overall_start, int32_t overall_step);
