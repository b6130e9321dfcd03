#include "procedures/networks_list.h"

#include "phone/network_names.h"
#include "procedures/networks_view.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/list_view.h"

namespace {

std::vector<operator_record> records;
std::vector<std::string> kept_names;  // as last read, opened, written or saved

// The name as the list shows it and the editor opens with it: up to a zero byte.
std::string shown_name(const std::string& name) {
    return name.substr(0, name.find('\0'));
}

}  // namespace

void forget_networks() {
    records.clear();
    kept_names.clear();
    forget_networks_view();
    take_list_view_edits(network_list);
}

const std::vector<operator_record>& network_records() {
    return records;
}

void show_network_records(std::vector<operator_record> shown) {
    records = std::move(shown);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(records.size());
    for (const operator_record& record : records) {
        rows.push_back(network_row(record));
        rows.back().push_back(number_to_text(static_cast<int32_t>(rows.size())));
    }
    set_list_view_rows(network_list, std::move(rows));
    unmark_network_records();
    show_networks_view(records.size());
}

void unmark_network_records() {
    kept_names.clear();
    for (size_t row = 0; row < records.size(); ++row) {
        kept_names.push_back(records[row].name);
        mark_list_view_row(network_list, static_cast<int>(row), false);
    }
}

bool rename_network(int row, const std::string& name) {
    if (row < 0 || static_cast<size_t>(row) >= records.size() || name.empty() ||
        name == records[row].name)
        return false;
    if (name.size() > static_cast<size_t>(operator_name_max)) {
        show_failure(
            join_lines({"Name is too long for this table.",
                        "Use " + number_to_text(operator_name_max) + " characters or less."}),
            message_box_exclamation);
        return false;
    }
    records[row].name = name;
    set_list_view_cell(network_list, row, 0, name);
    network_renamed(row);
    mark_list_view_row(network_list, row, name != kept_names[row]);
    return true;
}

void take_renames() {
    for (list_view_edit& edit : take_list_view_edits(network_list)) {
        if (edit.rows.empty())
            edit.rows = {edit.row};
        size_t renamed = 0;
        for (int row : edit.rows) {
            // The edited row's name kept as the editor opened with it leaves the name alone.
            if (row == edit.row && row >= 0 && static_cast<size_t>(row) < records.size() &&
                edit.text == shown_name(records[row].name))
                continue;
            if (rename_network(row, edit.text))
                ++renamed;
            else if (edit.text.size() > static_cast<size_t>(operator_name_max))
                break;  // refused once for all
        }
        if (renamed > 0 || edit.rows.size() > 1)
            show_status("Renamed " + networks_text(renamed) + ".");
    }
}

size_t renamed_network_count() {
    size_t count = 0;
    for (size_t row = 0; row < records.size(); ++row) {
        if (records[row].name != kept_names[row])
            ++count;
    }
    return count;
}

bool may_discard_renames() {
    finish_list_view_edit(network_list);
    take_renames();
    const size_t count = renamed_network_count();
    if (count == 0)
        return true;
    return ask_yes_no(join_lines({networks_text(count) + (count == 1 ? " was" : " were") +
                                       " renamed but not written or saved.",
                                   "Discard the changes?"}),
                      message_box_warning_yes_no_default_no);
}

bool have_network_records(const std::string& refusal) {
    if (!records.empty())
        return true;
    show_failure(join_lines({refusal, "Read the phone's table or open a table file first."}),
                 message_box_exclamation);
    return false;
}

std::string networks_text(size_t count) {
    return number_to_text(static_cast<int32_t>(count)) + (count == 1 ? " network" : " networks");
}
