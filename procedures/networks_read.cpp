#include "procedures/networks_read.h"

#include <vector>

#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"
#include "texts/program_texts.h"

// The read as Patch reads it, with its connection checks before and after and its refusals.
void run_read(networks_page& page) {
    if (!put_back_renames(page) || !phone_connected(text_id::read_not_connected_status))
        return;
    show_status_now(text_id::loading_status);
    const table_read read = read_table_into(table_block);
    std::vector<operator_record> records;
    if (!phone_connected(text_id::read_not_connected_status) || !records_of_read(read, records))
        return;
    const size_t count = records.size();
    load_networks(page.model(), std::move(records));
    show_count_status(text_id::read_status, static_cast<long long>(count));
}
