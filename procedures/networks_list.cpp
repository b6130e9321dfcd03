#include "procedures/networks_list.h"

#include <set>

#include "phone/network_names.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/list_view.h"

namespace {

std::vector<operator_record> records;
std::set<int> renamed_rows;  // the rows marked "*"

}  // namespace

void forget_networks() {
    records.clear();
    renamed_rows.clear();
    take_list_view_edits(network_list);
}

const std::vector<operator_record>& network_records() {
    return records;
}

void show_network_records(std::vector<operator_record> shown) {
    records = std::move(shown);
    unmark_network_records();
}

void unmark_network_records() {
    renamed_rows.clear();
    std::vector<std::vector<std::string>> rows;
    rows.reserve(records.size());
    for (const operator_record& record : records)
        rows.push_back(network_row(record));
    set_list_view_rows(network_list, std::move(rows));
}

void rename_network(int row, const std::string& name) {
    if (row < 0 || static_cast<size_t>(row) >= records.size() || name.empty() ||
        name == records[row].name)
        return;
    if (name.size() > static_cast<size_t>(operator_name_max)) {
        show_failure(
            join_lines({"Name is too long for this table.",
                        "Use " + number_to_text(operator_name_max) + " characters or less."}),
            message_box_exclamation);
        return;
    }
    records[row].name = name;
    set_list_view_cell(network_list, row, 0, name);
    mark_list_view_row(network_list, row, true);
    renamed_rows.insert(row);
}

size_t renamed_network_count() {
    return renamed_rows.size();
}

void take_renames() {
    for (const list_view_edit& edit : take_list_view_edits(network_list)) {
        // The editor opens with the name as the list shows it, up to a zero byte: that text kept
        // as it was leaves the name alone.
        if (edit.row >= 0 && static_cast<size_t>(edit.row) < records.size()) {
            const std::string& name = records[edit.row].name;
            if (edit.text == name.substr(0, name.find('\0')))
                continue;
        }
        rename_network(edit.row, edit.text);
    }
}

bool have_network_records(const std::string& refusal) {
    if (!records.empty())
        return true;
    show_failure(join_lines({refusal, "Read the phone's table or open a table file first."}),
                 message_box_exclamation);
    return false;
}

std::string networks_text(size_t count) {
    return number_to_text(static_cast<int32_t>(count)) + " networks";
}
