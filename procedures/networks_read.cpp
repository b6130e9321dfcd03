#include "procedures/networks_read.h"

#include "procedures/networks_list.h"
#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"

bool read_phone_records(const std::string& action, std::vector<operator_record>& records) {
    if (!phone_connected(action))
        return false;
    show_status_now("Loading...");
    const table_read read = read_table_into(table_block);
    if (!phone_connected(action))
        return false;
    return records_of_read(read, records);
}

void run_read() {
    if (!may_discard_renames())
        return;
    std::vector<operator_record> records;
    if (!read_phone_records("read", records))
        return;
    const size_t count = records.size();
    show_network_records(std::move(records));
    show_status("Read " + networks_text(count) + " from phone.");
}
