// Waiting: the thread sleeps and services no window events meanwhile.
#pragma once

#include <cstdint>

// Sleeps ms milliseconds; a negative value sleeps 0.
void sleep_ms(int32_t ms);
