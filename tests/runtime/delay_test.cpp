// The delay: it waits at least the count, and a negative count waits no time at all (as a raw
// Sleep argument -1 would be INFINITE, and INT32_MIN nearly 25 days).
#include "runtime/delay.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace {

double elapsed_ms_of(int32_t count) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    sleep_ms(count);
    QueryPerformanceCounter(&after);
    return 1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

TEST(Delay, WaitsTheCountAndNeverForANegativeOne) {
    for (const int32_t count : {-1, INT32_MIN, 0, 50}) {
        SCOPED_TRACE(count);
        const double elapsed = elapsed_ms_of(count);
        // Room for the timer's granularity below; far from a hang above.
        EXPECT_GE(elapsed, std::max(count, 0) * 0.6);
        EXPECT_LT(elapsed, 10000.0);
    }
}

}  // namespace
