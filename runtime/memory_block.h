// Numbered memory blocks: zero-filled byte buffers owned by a table indexed by the
// block number the caller chose. A block keeps its address until it is replaced under
// the same number or release_blocks() runs. Failures give a null address.
#pragma once

#include <cstdint>
#include <string>

// A new zero-filled block of size bytes under number, releasing any earlier block under
// it. Null (and no block under the number) for a negative size or number, or when the
// memory cannot be had. A number beyond the table grows it to that number plus 50.
uint8_t* allocate_block(int32_t number, int32_t size);

// The block under number, or null when there is none.
uint8_t* block_address(int32_t number);

// Its size in bytes, 0 when there is none.
int32_t block_size(int32_t number);

// The byte at address as a signed value, -128..127.
int32_t read_block_byte(const uint8_t* address);

// Copies the first min(size, max_count) bytes of bytes to dest, zero bytes included,
// then writes one zero byte after them: up to max_count + 1 bytes in all.
void write_block_text(uint8_t* dest, const std::string& bytes, int32_t max_count);

// Frees every block; the table is as it was at start-up again (11 empty slots).
void release_blocks();

// Number of slots in the table (for tests).
int32_t block_table_size();
