#include "procedures/networks_read.h"

#include <vector>

#include "procedures/networks_list.h"
#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"

// The read as Patch reads it, with its connection checks before and after and its refusals.
void run_read() {
    if (!put_back_renames() || !phone_connected("read"))
        return;
    show_status_now("Loading...");
    const table_read read = read_table_into(table_block);
    std::vector<operator_record> records;
    if (!phone_connected("read") || !records_of_read(read, records))
        return;
    const size_t count = records.size();
    show_network_records(std::move(records));
    show_status("Read " + networks_text(count) + " from phone.");
}
