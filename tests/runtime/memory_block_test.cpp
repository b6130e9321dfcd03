// Numbered memory blocks: zero fill, replacement, table growth, byte access.
#include "runtime/memory_block.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MemoryBlock : public ::testing::Test {
protected:
    void SetUp() override { release_blocks(); }
    void TearDown() override { release_blocks(); }
};

bool all_zero(const uint8_t* bytes, int32_t size) {
    for (int32_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST_F(MemoryBlock, NewBlockIsZeroFilled) {
    uint8_t* block = allocate_block(1, 20000);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block_address(1), block);
    EXPECT_EQ(block_size(1), 20000);
    EXPECT_TRUE(all_zero(block, 20000));
}

TEST_F(MemoryBlock, ReplacingABlockGivesAFreshZeroFilledOne) {
    uint8_t* first = allocate_block(1, 64);
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 64; ++i) {
        first[i] = 0xAB;
    }
    uint8_t* second = allocate_block(1, 128);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(block_address(1), second);
    EXPECT_EQ(block_size(1), 128);
    EXPECT_TRUE(all_zero(second, 128));
}

TEST_F(MemoryBlock, BlocksUnderOtherNumbersStay) {
    uint8_t* zero = allocate_block(0, 8);
    uint8_t* ten = allocate_block(10, 8);
    ASSERT_NE(zero, nullptr);
    ASSERT_NE(ten, nullptr);
    zero[0] = 7;
    allocate_block(5, 8);
    EXPECT_EQ(block_address(0), zero);
    EXPECT_EQ(block_address(10), ten);
    EXPECT_EQ(read_block_byte(zero), 7);
}

TEST_F(MemoryBlock, NumbersWithoutABlock) {
    EXPECT_EQ(block_address(3), nullptr);
    EXPECT_EQ(block_size(3), 0);
    EXPECT_EQ(block_address(-1), nullptr);
    EXPECT_EQ(block_address(1000), nullptr);
    EXPECT_EQ(block_size(1000), 0);
}

TEST_F(MemoryBlock, TableGrowsToTheNumberPlusFifty) {
    EXPECT_EQ(block_table_size(), 11);
    uint8_t* low = allocate_block(10, 4);
    EXPECT_EQ(block_table_size(), 11);
    ASSERT_NE(allocate_block(100, 4), nullptr);
    EXPECT_EQ(block_table_size(), 151);  // numbers 0 to 150
    EXPECT_EQ(block_address(10), low);
    EXPECT_EQ(block_address(150), nullptr);
    ASSERT_NE(allocate_block(150, 4), nullptr);
    EXPECT_EQ(block_table_size(), 151);
    ASSERT_NE(allocate_block(151, 4), nullptr);
    EXPECT_EQ(block_table_size(), 202);
}

TEST_F(MemoryBlock, ReleaseLeavesAFreshTable) {
    allocate_block(1, 4);
    allocate_block(70, 4);
    release_blocks();
    EXPECT_EQ(block_table_size(), 11);
    EXPECT_EQ(block_address(1), nullptr);
}

TEST_F(MemoryBlock, RefusedAllocations) {
    ASSERT_NE(allocate_block(1, 16), nullptr);
    EXPECT_EQ(allocate_block(1, -1), nullptr);
    EXPECT_EQ(block_address(1), nullptr);  // the earlier block went with it
    EXPECT_EQ(block_size(1), 0);
    EXPECT_EQ(allocate_block(-1, 16), nullptr);
    EXPECT_EQ(block_table_size(), 11);
}

TEST_F(MemoryBlock, EmptyBlockStillHasAnAddress) {
    EXPECT_NE(allocate_block(2, 0), nullptr);
    EXPECT_EQ(block_size(2), 0);
}

TEST_F(MemoryBlock, ReadByteIsSignExtended) {
    uint8_t bytes[] = {0, 1, 127, 128, 255};
    int32_t expected[] = {0, 1, 127, -128, -1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(read_block_byte(&bytes[i]), expected[i]) << "byte " << int(bytes[i]);
    }
}

TEST_F(MemoryBlock, WriteBlockText) {
    struct {
        std::string text;
        int32_t max_count;
        std::vector<uint8_t> expected;  // the first bytes of a block filled with 0x55
    } cases[] = {
        {"abc", 3, {'a', 'b', 'c', 0, 0x55}},
        {"abc", 2, {'a', 'b', 0, 0x55}},
        {"abc", 10, {'a', 'b', 'c', 0, 0x55}},
        {"abc", 0, {0, 0x55}},
        {"abc", -1, {0, 0x55}},
        {"", 5, {0, 0x55}},
        // Table bytes hold zero bytes: they are copied by length.
        {std::string("\x52\xf0\x10\x00\x0a", 5), 5, {0x52, 0xf0, 0x10, 0, 0x0a, 0, 0x55}},
        {std::string("\0\0x", 3), 3, {0, 0, 'x', 0, 0x55}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> block(16, 0x55);
        write_block_text(block.data(), c.text, c.max_count);
        std::vector<uint8_t> got(block.begin(), block.begin() + c.expected.size());
        EXPECT_EQ(got, c.expected) << "text of " << c.text.size() << " bytes, max " << c.max_count;
    }
}

}  // namespace
