// The table of numbered memory blocks.
#include "runtime/memory_block.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

const int32_t initial_slots = 11;
const int32_t growth_step = 50;

struct memory_block {
    std::unique_ptr<uint8_t[]> bytes;
    int32_t size = 0;
};

std::vector<memory_block>& block_table() {
    static std::vector<memory_block> table(initial_slots);
    return table;
}

bool has_slot(int32_t number) {
    return number >= 0 && static_cast<std::size_t>(number) < block_table().size();
}

}  // namespace

uint8_t* allocate_block(int32_t number, int32_t size) {
    if (number < 0) {
        return nullptr;
    }
    std::vector<memory_block>& table = block_table();
    if (!has_slot(number)) {
        table.resize(static_cast<std::size_t>(number) + growth_step + 1);
    }
    memory_block& block = table[static_cast<std::size_t>(number)];
    block = memory_block();
    if (size < 0) {
        return nullptr;
    }
    // A block of 0 bytes still has an address of its own.
    std::size_t count = size > 0 ? static_cast<std::size_t>(size) : 1;
    block.bytes.reset(new (std::nothrow) uint8_t[count]());
    if (block.bytes) {
        block.size = size;
    }
    return block.bytes.get();
}

uint8_t* block_address(int32_t number) {
    return has_slot(number) ? block_table()[static_cast<std::size_t>(number)].bytes.get() : nullptr;
}

int32_t block_size(int32_t number) {
    return has_slot(number) ? block_table()[static_cast<std::size_t>(number)].size : 0;
}

int32_t read_block_byte(const uint8_t* address) {
    if (address == nullptr) {
        return 0;
    }
    return static_cast<int8_t>(*address);
}

void write_block_text(uint8_t* dest, const std::string& bytes, int32_t max_count) {
    if (dest == nullptr) {
        return;
    }
    std::size_t count = 0;
    if (max_count > 0) {
        count = std::min(bytes.size(), static_cast<std::size_t>(max_count));
        std::memcpy(dest, bytes.data(), count);
    }
    dest[count] = 0;
}

void release_blocks() {
    std::vector<memory_block>& table = block_table();
    table.clear();
    table.shrink_to_fit();
    table.resize(initial_slots);
}

int32_t block_table_size() {
    return static_cast<int32_t>(block_table().size());
}
