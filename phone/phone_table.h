// The operator table on the phone, moved through memory blocks: read into a zero-filled block
// of the read limit (with the probe that tells a longer file), and written from a block and
// read back into another. Nothing here tells the user anything: the procedures do.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t table_block = 1;   // the table read from the phone, then the table to write
constexpr int32_t verify_block = 2;  // the table read back after writing

// The phone's table as read: the image of the read limit, zero-filled past the file's end.
struct table_read {
    std::string image;    // empty when there was no memory for it
    bool longer = false;  // the file goes on past the read limit
};

// Reads up to the read limit of the phone's table into the zero-filled memory block.
table_read read_table_into(int32_t block);

// Replaces the phone's table with the table, through memory block 1; false when there was no
// memory for it (nothing was written then).
bool write_table_from_block(const std::string& table);

// True when the phone's table, read back through memory block 2, holds exactly the table.
bool table_reads_back_as(const std::string& table);
