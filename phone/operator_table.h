// The phone's operator name table (/a/plmn_text_table.bin) and its rewrite.
//
// The table is a run of records from offset 0, with no header and no gap between them:
//   4 bytes   network key, copied byte for byte, never interpreted (zero bytes included)
//   1 byte    name length n, 0 to 255 (n = 0 makes a 5-byte record)
//   n bytes   operator name, no terminator; any byte value, 0xFF included
// The table is read from the phone into a zero-filled block of operator_table_read_limit bytes.
// It ends at the first record boundary from which the rest of the block is all zero bytes (the
// fill after a shorter file), or exactly at the end of the block.
//
// Pure code: bytes in, bytes out; nothing here touches the phone or the platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t operator_table_read_limit = 20000;
constexpr int32_t operator_name_max = 255;

enum class rewrite_status {
    ok,
    no_table,       // no record at all: an empty or failed read
    damaged,        // a header or name runs past the image end
    empty_name,     // the new name is empty
    name_too_long,  // > 255 bytes, or the new table would exceed operator_table_read_limit bytes
};

struct rewrite_result {
    rewrite_status status;
    std::string table;         // the new table (status ok; empty otherwise)
    int32_t record_count;      // records found in the image (damaged: the whole ones before it)
    int32_t old_table_length;  // bytes of the old table without the zero fill (damaged: offset
                               // of the record that runs past the end)
    int32_t longest_name;      // for name_too_long: longest name length that fits (<= 255; may
                               // be 0). Filled whenever the image holds records.
};

// Gives every record of the image the new name: each record keeps its four key bytes and its
// place, and carries one length byte and the new name. The image is the block as read, normally
// operator_table_read_limit bytes; its size is the end of the table. Refusals leave the table
// empty, and nothing is to be written then. The image is judged before the name: a damaged or
// missing table is reported whatever the name.
rewrite_result rewrite_operator_table(const std::string& image, const std::string& new_name);

struct operator_record {
    std::string key;  // exactly 4 bytes
    std::string name;
};

// Walks the records of bytes the same way as the rewrite, replacing the contents of records.
// Returns false when a header or a name runs past the end; records then holds the whole records
// before that one. All-zero or empty bytes are a table of no records (true).
bool parse_operator_table(const std::string& bytes, std::vector<operator_record>& records);

// True when the image holds whole records right up to its last byte: the table may go on past
// the image (a table that stops earlier is followed by zero fill; one cut inside a record is
// damaged).
bool operator_table_fills(const std::string& image);

// The records laid out as the phone keeps them, in order, without zero fill. Each key is
// written as its first four bytes (padded with zero bytes when shorter) and each name must
// hold at most operator_name_max bytes.
std::string format_operator_table(const std::vector<operator_record>& records);

// "Table is N bytes, the phone takes at most 20000." when the records' table is longer than
// the phone reads; empty when it fits.
std::string table_size_refusal(const std::vector<operator_record>& records);
