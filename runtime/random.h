// Seeded pseudo-random numbers: a RANROT-W generator of 17 pairs of 32-bit words, lag
// 10, rotations 19 and 27. One global generator; the same seed gives the same numbers.
#pragma once

#include <cstdint>

void seed_random(uint32_t seed);

// A whole number from 0 to bound inclusive; -2147483648 for a negative bound. Every
// call advances the generator, whatever the bound.
int32_t random_up_to(int32_t bound);
