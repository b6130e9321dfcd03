#include "procedures/table_transfer.h"

#include "phone/phone_library.h"
#include "phone/table_backup.h"
#include "phone/unfinished_write.h"
#include "procedures/status_and_messages.h"
#include "runtime/number_text.h"

const std::string phone_table_name = "''/a/plmn_text_table.bin''";

bool phone_connected(const std::string& action) {
    if (p2k_get_status() != 0)
        return true;
    show_status("Phone is not connected, can't " + action);
    return false;
}

void refuse_longer_table() {
    show_failure(join_lines({phone_table_name + " is longer than " +
                                 number_to_text(operator_table_read_limit) + " bytes.",
                             "Nothing was written."}),
                 message_box_exclamation);
}

void refuse_table(rewrite_status status, const std::string& way_back) {
    std::string text;
    if (status == rewrite_status::no_table)
        text =
            join_lines({"Can't read " + phone_table_name + " from phone.", "Nothing was written."});
    if (status == rewrite_status::damaged)
        text = join_lines(
            {phone_table_name + " doesn't look like operator table.", "Nothing was written."});
    if (text.empty())
        return;
    show_failure(way_back.empty() ? text : join_lines({text, way_back}), message_box_exclamation);
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

namespace {

// A backup, or the file naming it, that could not be written: the phone was not touched.
void refuse_backup(const std::string& path) {
    show_failure(join_lines({"Can't save backup of phone table to", path, "Nothing was written."}),
                 message_box_stop);
}

}  // namespace

bool back_up_table(const std::string& old_table, bool whole, old_table_backup& backup) {
    backup.whole = whole;
    if (save_table_backup(old_table, backup.path, whole ? "" : "-damaged"))
        return true;
    refuse_backup(backup.path);
    return false;
}

bool write_table(const std::string& table, const old_table_backup& backup,
                 const std::function<std::string()>& way_back) {
    // A file left by a cut-off write keeps naming its backup: the last whole table.
    const unfinished_write before = find_unfinished_write();
    if (backup.whole && !backup.path.empty() && !mark_unfinished_write(backup.path)) {
        refuse_backup(before.path);
        return false;
    }
    if (!write_table_from_block(table)) {
        if (before.state == unfinished_write_state::none)
            clear_unfinished_write();  // the phone's table was never touched
        show_failure(join_lines({"Out of memory.", "Nothing was written."}), message_box_stop);
        return false;
    }
    if (!table_reads_back_as(table)) {
        std::string text = "Phone table was not written correctly!";
        if (!backup.path.empty())
            text = join_lines({text, "Your old table is saved in", backup.path});
        show_failure(join_lines({text, way_back()}), message_box_stop);
        return false;
    }
    clear_unfinished_write();
    return true;
}
