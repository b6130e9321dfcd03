#include "procedures/table_transfer.h"

#include "phone/phone_library.h"
#include "phone/table_backup.h"
#include "phone/unfinished_write.h"
#include "procedures/status_and_messages.h"
#include "runtime/number_text.h"

const std::string phone_table_name = "''/a/plmn_text_table.bin''";

bool phone_connected(text_id refusal) {
    if (p2k_get_status() != 0)
        return true;
    show_status(refusal);
    return false;
}

void refuse_longer_table() {
    show_failure(count_text_of(text_id::table_longer_message, operator_table_read_limit,
                               {{"table", phone_table_name}}),
                 message_box_exclamation);
}

void refuse_table(rewrite_status status, const std::string& way_back) {
    std::string text;
    if (status == rewrite_status::no_table)
        text = text_of(text_id::no_table_message, {{"table", phone_table_name}});
    if (status == rewrite_status::damaged)
        text = text_of(text_id::damaged_table_message, {{"table", phone_table_name}});
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
    show_failure(text_of(text_id::backup_failed_message, {{"path", path}}), message_box_stop);
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
        show_failure(text_of(text_id::out_of_memory_message), message_box_stop);
        return false;
    }
    if (!table_reads_back_as(table)) {
        std::string text = text_of(text_id::not_written_message);
        if (!backup.path.empty())
            text = join_lines(
                {text, text_of(text_id::old_table_saved_message, {{"path", backup.path}})});
        show_failure(join_lines({text, way_back()}), message_box_stop);
        return false;
    }
    clear_unfinished_write();
    return true;
}
