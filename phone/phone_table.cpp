#include "phone/phone_table.h"

#include "phone/operator_table.h"
#include "phone/phone_library.h"
#include "runtime/memory_block.h"

namespace {

bool table_may_go_on(const uint8_t* bytes, int32_t count) {
    return operator_table_fills(std::string(reinterpret_cast<const char*>(bytes), count));
}

}  // namespace

// Only a table whose records run exactly to the limit can be longer than the read: one byte
// more is read then. A record never starts with a zero byte (its key begins with MCC digits,
// and MCCs start at 2), so a nonzero byte there is the start of records that the read did not
// take.
table_read read_table_into(int32_t block) {
    table_read read;
    uint8_t* image = allocate_block(block, operator_table_read_limit);
    if (!image)
        return read;
    read.longer = read_phone_file(operator_table_path, image, operator_table_read_limit,
                                  table_may_go_on) != 0;
    read.image.assign(reinterpret_cast<const char*>(image), operator_table_read_limit);
    return read;
}

bool write_table_from_block(const std::string& table) {
    // The table holds zero bytes: it is copied into the block by its length.
    const int32_t length = static_cast<int32_t>(table.size());
    uint8_t* bytes = allocate_block(table_block, length + 1);
    if (!bytes)
        return false;
    write_block_text(bytes, table, length);
    write_phone_file(operator_table_path, bytes, length);
    return true;
}

bool table_reads_back_as(const std::string& table) {
    const table_read read = read_table_into(verify_block);
    if (read.image.empty() || read.longer)
        return false;
    const std::string& image = read.image;
    return image.compare(0, table.size(), table) == 0 &&
           image.find_first_not_of('\0', table.size()) == std::string::npos;
}
