#include <gtest/gtest.h>
TEST(Smoke, Runs) { EXPECT_EQ(sizeof(int), 4u); }
