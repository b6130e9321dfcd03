#include "app/unfinished_write_check.h"

#include <string>
#include <vector>

#include "app/main_window.h"
#include "phone/table_backup.h"
#include "phone/unfinished_write.h"
#include "app/networks_page.h"
#include "procedures/status_and_messages.h"
#include "runtime/whole_file.h"
#include "texts/program_texts.h"

void check_unfinished_write() {
    const unfinished_write found = find_unfinished_write();
    if (found.state == unfinished_write_state::none)
        return;
    std::vector<operator_record> records;
    if (found.state == unfinished_write_state::unreadable ||
        !read_table_backup(found.backup_path, records)) {
        // Nothing to offer: the file goes, so that the message does not come at every start.
        const bool named = found.state == unfinished_write_state::found;
        show_message(text_of(text_id::backup_missing_message,
                             {{"path", named ? found.backup_path : found.path}}),
                     message_box_exclamation);
        clear_unfinished_write();
        return;
    }
    if (!ask_yes_no(text_of(text_id::load_backup_question, {{"path", found.backup_path}}),
                    message_box_warning_yes_no)) {
        clear_unfinished_write();  // the user knows where the old table is
        show_status(text_id::backup_kept_status, {{"file", file_name_of(found.backup_path)}});
        return;
    }
    // The file stays until a write has been checked: a cut-off retry is found again.
    load_networks(network_page().model(), std::move(records));  // kept until the page is built
    show_networks_page();
    show_status(text_id::write_back_status);
}
