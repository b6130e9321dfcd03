#include "phone/patch.h"

#include <string>

#include "phone/main_window_numbers.h"
#include "phone/operator_table.h"
#include "phone/phone_library.h"
#include "phone/progress.h"
#include "phone/table_backup.h"
#include "runtime/memory_block.h"
#include "runtime/number_text.h"
#include "runtime/text.h"
#include "ui/control.h"

namespace {

const std::string table_name = "''/a/plmn_text_table.bin''";

void show_empty_name_message() {
    show_message(join_lines({"Name can't be null", "Fill it with 1 space if you want!"}),
                 message_box_exclamation);
}

void fail(const std::string& text, int flags) {
    show_message(text, flags);
    show_status("Failed.");
}

// The phone's table as read: the image of the read limit, zero-filled past the file's end.
struct table_read {
    std::string image;    // empty when there was no memory for it
    bool longer = false;  // the file goes on past the read limit
};

bool table_may_go_on(const uint8_t* bytes, int32_t count) {
    return operator_table_fills(std::string(reinterpret_cast<const char*>(bytes), count));
}

// Reads up to the read limit of the phone's table into a zero-filled memory block. Only a table
// whose records run exactly to the limit can be longer than the read: one byte more is read
// then. A record never starts with a zero byte (its key begins with MCC digits, and MCCs start
// at 2), so a nonzero byte there is the start of records that the read did not take.
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

// Tells the user why the rewrite refused; nothing has been written then.
void report_refusal(const rewrite_result& result) {
    switch (result.status) {
        case rewrite_status::no_table:
            fail(join_lines({"Can't read " + table_name + " from phone.", "Nothing was written."}),
                 message_box_exclamation);
            break;
        case rewrite_status::damaged:
            fail(join_lines(
                     {table_name + " doesn't look like operator table.", "Nothing was written."}),
                 message_box_exclamation);
            break;
        case rewrite_status::name_too_long:
            fail(
                join_lines({"Name is too long for this table.",
                            "Use " + number_to_text(result.longest_name) + " characters or less."}),
                message_box_exclamation);
            break;
        case rewrite_status::empty_name:
            show_empty_name_message();
            show_status("Failed.");
            break;
        case rewrite_status::ok:
            break;
    }
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

void run_patch() {
    if (text_length(get_control_text(name_field)) == 0) {
        show_empty_name_message();
        return;
    }
    if (p2k_get_status() == 0) {
        show_status("Phone is not connected, can't patch");
        return;
    }
    show_status("Loading...");
    const table_read read = read_table_into(table_block);
    if (p2k_get_status() == 0) {
        show_status("Phone is not connected, can't patch");
        return;
    }
    if (read.longer) {
        fail(join_lines({table_name + " is longer than " + number_to_text(operator_table_read_limit) +
                         " bytes.",
                         "Nothing was written."}),
             message_box_exclamation);
        return;
    }
    const std::string& image = read.image;
    show_status("Patching...");
    run_progress(100, 1);

    // The name may have been changed during the run: what the field holds now is written
    // (the rewrite refuses it if it was emptied).
    rewrite_result result = rewrite_operator_table(image, get_control_text(name_field));
    if (result.status != rewrite_status::ok) {
        report_refusal(result);
        return;
    }
    std::string backup_path;
    if (!save_table_backup(image.substr(0, result.old_table_length), backup_path)) {
        fail(join_lines(
                 {"Can't save backup of phone table to", backup_path, "Nothing was written."}),
             message_box_stop);
        return;
    }

    const uint8_t* bytes = table_in_block(result.table);
    if (!bytes) {
        fail(join_lines({"Out of memory.", "Nothing was written."}), message_box_stop);
        return;
    }
    write_phone_file(operator_table_path, bytes, static_cast<int32_t>(result.table.size()));
    if (!table_reads_back_as(result.table)) {
        fail(join_lines({"Phone table was not written correctly!", "Your old table is saved in",
                         backup_path}),
             message_box_stop);
        return;
    }
    run_progress(200, 1);
    show_status("Looks like all is good, press ''restart''");
}
