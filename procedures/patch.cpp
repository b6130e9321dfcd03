#include "procedures/patch.h"

#include <string>

#include "phone/operator_table.h"
#include "phone/unfinished_write.h"
#include "procedures/progress_run.h"
#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "runtime/text.h"
#include "ui/control.h"
#include "texts/program_texts.h"
#include "runtime/system_code_page.h"

namespace {

void show_empty_name_message() {
    show_message(text_of(text_id::empty_name_message), message_box_exclamation);
}

// Tells the user why the rewrite refused; nothing has been written then.
void report_refusal(const rewrite_result& result) {
    switch (result.status) {
        case rewrite_status::no_table:
        case rewrite_status::damaged:
            refuse_table(result.status, text_of(text_id::patch_way_back));
            break;
        case rewrite_status::name_too_long:
            show_failure(count_text_of(text_id::name_too_long_message, result.longest_name),
                         message_box_exclamation);
            break;
        case rewrite_status::empty_name:
            show_empty_name_message();
            show_status(text_id::failed_status);
            break;
        case rewrite_status::ok:
            break;
    }
}

// After a write that did not read back right: the backup of the old table into the Networks
// list, unless the list holds renames not yet written or saved; the message's last line.
std::string load_old_table(networks_model& networks, const std::string& old_table) {
    if (renamed_network_count(networks) > 0)
        return text_of(text_id::open_backup_way_back);
    std::vector<operator_record> records;
    parse_operator_table(old_table, records);
    load_networks(networks, std::move(records));
    return text_of(text_id::backup_loaded_way_back);
}

}  // namespace

void run_patch(networks_model& networks) {
    if (find_unfinished_write().state != unfinished_write_state::none) {
        show_failure(text_of(text_id::unfinished_write_message), message_box_exclamation);
        return;
    }
    if (text_length(get_control_text(name_field)) == 0) {
        show_empty_name_message();
        return;
    }
    if (!phone_connected(text_id::patch_not_connected_status))
        return;
    show_status(text_id::loading_status);
    const table_read read = read_table_into(table_block);
    if (!phone_connected(text_id::patch_not_connected_status))
        return;
    if (read.longer) {
        refuse_longer_table();
        return;
    }
    const std::string& image = read.image;
    show_status(text_id::patching_status);
    run_progress(100, 1);

    // The name may have been changed during the run: what the field holds now is written
    // (the rewrite refuses it if it was emptied).
    rewrite_result result =
        rewrite_operator_table(image, system_code_page_of_typed(get_control_text(name_field)));
    if (result.status != rewrite_status::ok) {
        report_refusal(result);
        return;
    }
    const std::string old_table = image.substr(0, result.old_table_length);
    old_table_backup backup;
    if (!back_up_table(old_table, true, backup))
        return;
    if (!write_table(result.table, backup, [&] { return load_old_table(networks, old_table); }))
        return;
    run_progress(200, 1);
    show_status(text_id::patched_status);
}
