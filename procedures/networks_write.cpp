#include "procedures/networks_write.h"

#include "procedures/status_and_messages.h"
#include "procedures/table_transfer.h"
#include "runtime/number_text.h"
#include "texts/program_texts.h"

namespace {

// What a read of the phone's table holds: a whole table (its records), none, or a damaged one.
rewrite_status status_of(const table_read& read, std::vector<operator_record>& records) {
    if (!parse_operator_table(read.image, records))
        return rewrite_status::damaged;
    return records.empty() ? rewrite_status::no_table : rewrite_status::ok;
}

// Reads the phone's table before a Write: old_table gets what is to be kept of it, whole says
// whether it is a whole table. A read without a whole table is read once more, since a read
// that failed by chance must not cost a table that is still there; only two reads alike lead
// to the question whether to write anyway. False after telling the user.
bool read_old_table(size_t count, std::string& old_table, bool& whole) {
    std::vector<operator_record> records;
    table_read reads[2];
    rewrite_status status = rewrite_status::ok;
    if (!phone_connected(text_id::write_not_connected_status))
        return false;
    show_status_now(text_id::loading_status);
    for (table_read& read : reads) {
        read = read_table_into(table_block);
        if (!phone_connected(text_id::write_not_connected_status))
            return false;
        if (read.longer) {
            refuse_longer_table();
            return false;
        }
        const rewrite_status read_status = status_of(read, records);
        if (read_status == rewrite_status::ok) {
            old_table = format_operator_table(records);
            whole = true;
            return true;
        }
        if (&read == &reads[0])
            status = read_status;
    }
    if (reads[0].image.empty() || reads[0].image != reads[1].image) {
        refuse_table(status);
        return false;
    }
    const std::string question =
        count_text_of(text_id::cut_off_question, static_cast<long long>(count));
    if (!ask_yes_no(question, message_box_warning_yes_no_default_no)) {
        show_status(text_id::nothing_written);
        return false;
    }
    whole = false;
    const std::string& image = reads[0].image;
    old_table = image.substr(0, image.find_last_not_of('\0') + 1);  // none: empty
    return true;
}

}  // namespace

void run_write(networks_page& page) {
    if (!have_network_records(page.model(), text_of(text_id::no_table_to_write)))
        return;
    const std::vector<operator_record>& records = page.model().records;
    const std::string too_big = table_size_refusal(records);
    if (!too_big.empty()) {
        show_failure(join_lines({too_big, text_of(text_id::nothing_written)}),
                     message_box_exclamation);
        return;
    }
    const std::string table = format_operator_table(records);
    if (!ask_yes_no(count_text_of(text_id::write_question, static_cast<long long>(records.size()))))
        return;
    std::string old_table;
    bool whole = true;
    if (!read_old_table(records.size(), old_table, whole))
        return;
    old_table_backup backup;
    // An empty read has nothing to keep: no backup, and nothing named as the way back.
    if (!old_table.empty() && !back_up_table(old_table, whole, backup))
        return;
    show_status_now(text_id::writing_status);
    if (!write_table(table, backup, [] { return text_of(text_id::write_way_back); }))
        return;
    keep_network_names(page.model());
    show_status(text_id::written_status);
}
