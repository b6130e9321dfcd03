#include "phone/table_transfer.h"

#include <cstdint>

#include "phone/main_window_numbers.h"
#include "phone/phone_library.h"
#include "phone/progress.h"
#include "phone/table_backup.h"
#include "runtime/memory_block.h"
#include "runtime/number_text.h"

const std::string phone_table_name = "''/a/plmn_text_table.bin''";

namespace {

bool table_may_go_on(const uint8_t* bytes, int32_t count) {
    return operator_table_fills(std::string(reinterpret_cast<const char*>(bytes), count));
}

// The table in memory block 1, ready for the write; null when there is no memory for it.
const uint8_t* table_in_block(const std::string& table) {
    // The table holds zero bytes: it is copied into the block by its length.
    int32_t length = static_cast<int32_t>(table.size());
    uint8_t* bytes = allocate_block(table_block, length + 1);
    if (bytes)
        write_block_text(bytes, table, length);
    return bytes;
}

// The phone's file read back must hold exactly the table written.
bool table_reads_back_as(const std::string& table) {
    const table_read read = read_table_into(verify_block);
    if (read.image.empty() || read.longer)
        return false;
    const std::string& image = read.image;
    return image.compare(0, table.size(), table) == 0 &&
           image.find_first_not_of('\0', table.size()) == std::string::npos;
}

}  // namespace

bool phone_connected(const std::string& action) {
    if (p2k_get_status() != 0)
        return true;
    show_status("Phone is not connected, can't " + action);
    return false;
}

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

void refuse_longer_table() {
    show_failure(join_lines({phone_table_name + " is longer than " +
                                 number_to_text(operator_table_read_limit) + " bytes.",
                             "Nothing was written."}),
                 message_box_exclamation);
}

void refuse_table(rewrite_status status) {
    if (status == rewrite_status::no_table)
        show_failure(
            join_lines({"Can't read " + phone_table_name + " from phone.", "Nothing was written."}),
            message_box_exclamation);
    if (status == rewrite_status::damaged)
        show_failure(join_lines({phone_table_name + " doesn't look like operator table.",
                                 "Nothing was written."}),
                     message_box_exclamation);
}

bool records_of_read(const table_read& read, std::vector<operator_record>& records) {
    if (read.longer) {
        refuse_longer_table();
        return false;
    }
    if (!parse_operator_table(read.image, records)) {
        refuse_table(rewrite_status::damaged);
        return false;
    }
    if (records.empty()) {
        refuse_table(rewrite_status::no_table);
        return false;
    }
    return true;
}

bool back_up_table(const std::string& old_table, std::string& backup_path) {
    if (save_table_backup(old_table, backup_path))
        return true;
    show_failure(
        join_lines({"Can't save backup of phone table to", backup_path, "Nothing was written."}),
        message_box_stop);
    return false;
}

bool write_table(const std::string& table, const std::string& backup_path) {
    const uint8_t* bytes = table_in_block(table);
    if (!bytes) {
        show_failure(join_lines({"Out of memory.", "Nothing was written."}), message_box_stop);
        return false;
    }
    write_phone_file(operator_table_path, bytes, static_cast<int32_t>(table.size()));
    if (!table_reads_back_as(table)) {
        show_failure(join_lines({"Phone table was not written correctly!",
                                 "Your old table is saved in", backup_path}),
                     message_box_stop);
        return false;
    }
    return true;
}
