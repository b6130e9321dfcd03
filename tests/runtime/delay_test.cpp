// The delay: it waits, and a negative count does not wait for ever.
#include "runtime/delay.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(Delay, NegativeCountsReturn) {
    sleep_ms(-1);  // as a raw Sleep argument, -1 would be INFINITE
    sleep_ms(INT32_MIN);
    sleep_ms(0);
    SUCCEED();
}

TEST(Delay, WaitsAtLeastRoughlyTheCount) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    sleep_ms(50);
    QueryPerformanceCounter(&after);
    double elapsed_ms = 1000.0 * (after.QuadPart - before.QuadPart) / frequency.QuadPart;
    EXPECT_GE(elapsed_ms, 30.0);  // a lower bound only, with room for timer granularity
}

}  // namespace
