#include "procedures/table_transfer.h"

#include "phone/phone_library.h"
#include "phone/table_backup.h"
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
    if (!write_table_from_block(table)) {
        show_failure(join_lines({"Out of memory.", "Nothing was written."}), message_box_stop);
        return false;
    }
    if (!table_reads_back_as(table)) {
        show_failure(join_lines({"Phone table was not written correctly!",
                                 "Your old table is saved in", backup_path}),
                     message_box_stop);
        return false;
    }
    return true;
}
