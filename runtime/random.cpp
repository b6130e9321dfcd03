// The RANROT-W generator. Everything is unsigned 32-bit or 64-bit arithmetic, which
// wraps around by definition.
#include "runtime/random.h"

#include <limits>

namespace {

const int pair_count = 17;
const int lag = 10;

uint32_t words[2 * pair_count];
int p1 = 0;
int p2 = lag;

uint32_t rotate_left(uint32_t x, int bits) {
    return (x << bits) | (x >> (32 - bits));
}

// One step: the new high word y and low word z of a 64-bit output.
void random_step(uint32_t& y, uint32_t& z) {
    y = rotate_left(words[2 * p1], 19) + words[2 * p2];
    z = rotate_left(words[2 * p1 + 1], 27) + words[2 * p2 + 1];
    words[2 * p1] = z;
    words[2 * p1 + 1] = y;
    p1 = p1 == 0 ? pair_count - 1 : p1 - 1;
    p2 = p2 == 0 ? pair_count - 1 : p2 - 1;
}

}  // namespace

void seed_random(uint32_t seed) {
    for (uint32_t& word : words) {
        seed = seed * 2891336453u + 1u;
        word = seed;
    }
    p1 = 0;
    p2 = lag;
    uint32_t y = 0;
    uint32_t z = 0;
    for (int i = 0; i < 31; ++i) {
        random_step(y, z);
    }
}

int32_t random_up_to(int32_t bound) {
    uint32_t y = 0;
    uint32_t z = 0;
    random_step(y, z);
    if (bound < 0) {
        return std::numeric_limits<int32_t>::min();
    }
    // floor((y * 2^32 + z) * n / 2^64), with n = bound + 1 at most 2^31: neither
    // partial product nor their sum leaves 64 bits.
    uint64_t n = static_cast<uint64_t>(bound) + 1;
    uint64_t high = static_cast<uint64_t>(y) * n;
    uint64_t low = static_cast<uint64_t>(z) * n;
    return static_cast<int32_t>((high + (low >> 32)) >> 32);
}
