#include "procedures/networks_write.h"

#include "procedures/networks_list.h"
#include "procedures/networks_read.h"
#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"
#include "runtime/number_text.h"

void run_write() {
    if (!have_network_records("There is no table to write."))
        return;
    const std::vector<operator_record>& records = network_records();
    const std::string table = format_operator_table(records);
    if (table.size() > static_cast<size_t>(operator_table_read_limit)) {
        show_failure(join_lines({"Table is " + number_to_text(static_cast<int32_t>(table.size())) +
                                     " bytes, the phone takes at most " +
                                     number_to_text(operator_table_read_limit) + ".",
                                 "Nothing was written."}),
                     message_box_exclamation);
        return;
    }
    if (!ask_yes_no("Write " + networks_text(records.size()) + " to the phone?"))
        return;
    std::vector<operator_record> old_records;
    if (!read_phone_records("write", old_records))
        return;
    std::string backup_path;
    if (!back_up_table(format_operator_table(old_records), backup_path))
        return;
    show_status_now("Writing...");
    if (!write_table(table, backup_path))
        return;
    unmark_network_records();
    show_status("Written. Press ''restart'' on the Main page");
}
