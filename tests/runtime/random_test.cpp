// The seeded random generator: its exact sequence and the range of its results.
#include "runtime/random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Random, SeedZeroGivesTheKnownSequence) {
    // Twice: seeding again must reset the whole state, the pair indexes included.
    for (int round = 0; round < 2; ++round) {
        seed_random(0);
        for (int32_t expected : {27, 39, 33}) {
            EXPECT_EQ(random_up_to(50), expected) << "round " << round;
        }
        EXPECT_EQ(random_up_to(1000000), 378636) << "round " << round;
    }
}

TEST(Random, NegativeBoundStillAdvances) {
    seed_random(0);
    EXPECT_EQ(random_up_to(-1), INT32_MIN);
    EXPECT_EQ(random_up_to(50), 39);
    EXPECT_EQ(random_up_to(INT32_MIN), INT32_MIN);
    EXPECT_EQ(random_up_to(1000000), 378636);
}

TEST(Random, ResultsStayWithinTheBound) {
    seed_random(12345);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(random_up_to(0), 0);
    }
    std::set<int32_t> seen;
    for (int i = 0; i < 5000; ++i) {
        int32_t x = random_up_to(50);
        ASSERT_GE(x, 0);
        ASSERT_LE(x, 50);
        seen.insert(x);
    }
    EXPECT_EQ(seen.size(), 51u);
    bool high_half = false;
    for (int i = 0; i < 1000; ++i) {
        int32_t x = random_up_to(INT32_MAX);
        ASSERT_GE(x, 0);
        high_half = high_half || x > INT32_MAX / 2;
    }
    EXPECT_TRUE(high_half);
}

}  // namespace
