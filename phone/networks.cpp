#include "phone/networks.h"

#include "phone/main_window_numbers.h"
#include "phone/network_code.h"
#include "phone/network_database.h"
#include "phone/progress.h"
#include "phone/table_transfer.h"
#include "runtime/new_file.h"
#include "runtime/number_text.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"
#include "ui/file_dialog.h"
#include "ui/list_view.h"
#include "ui/window.h"

namespace {

// A file bigger than this is no table the phone could hold, nor one worth reading into memory.
constexpr int64_t table_file_max = 16 * 1024 * 1024;

const file_kind table_files = {"Operator tables (*.bin)", "*.bin", "bin"};

std::vector<operator_record> records;

std::string networks_text(size_t count) {
    return number_to_text(static_cast<int32_t>(count)) + " networks";
}

// The list shows the records, none of them marked.
void show_records() {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(records.size());
    for (const operator_record& record : records)
        rows.push_back(network_row(record));
    set_list_view_rows(network_list, std::move(rows));
}

bool have_records(const std::string& refusal) {
    if (!records.empty())
        return true;
    show_failure(join_lines({refusal, "Read the phone's table or open a table file first."}),
                 message_box_exclamation);
    return false;
}

// The backup folder beside the program, made when missing; the program's folder when it
// cannot be made.
std::string table_folder() {
    const std::string folder = path_beside_program("backup");
    return make_folder(folder) ? folder : program_directory();
}

void show_status_now(const std::string& text) {
    show_status(text);
    paint_window_now(main_window);
}

// The phone's table read as Patch reads it, with its connection checks before and after and
// its refusals; false after telling the user ("... can't " + action when not connected).
bool read_phone_records(const std::string& action, std::vector<operator_record>& read_records) {
    if (!phone_connected(action))
        return false;
    show_status_now("Loading...");
    const table_read read = read_table_into(table_block);
    if (!phone_connected(action))
        return false;
    return records_of_read(read, read_records);
}

}  // namespace

void forget_networks() {
    records.clear();
    take_list_view_edits(network_list);
}

const std::vector<operator_record>& network_records() {
    return records;
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

void run_read() {
    std::vector<operator_record> read_records;
    if (!read_phone_records("read", read_records))
        return;
    records = std::move(read_records);
    show_records();
    show_status("Read " + networks_text(records.size()) + " from phone.");
}

void run_write() {
    if (!have_records("There is no table to write."))
        return;
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
    show_records();
    show_status("Written. Press ''restart'' on the Main page");
}

void run_open() {
    const std::string path =
        choose_file_to_open(window_of(main_window), table_folder(), table_files);
    if (path.empty())
        return;
    const std::string name = file_name_of(path);
    std::string bytes;
    std::vector<operator_record> opened;
    const whole_file_read read = read_whole_file(path, bytes, table_file_max);
    if (read == whole_file_read::missing_or_locked) {
        show_failure(join_lines({"Can't read " + name + ".", "The list is as it was."}),
                     message_box_exclamation);
        return;
    }
    if (read == whole_file_read::too_big || !parse_operator_table(bytes, opened) ||
        opened.empty()) {
        show_failure(name + " doesn't look like operator table.", message_box_exclamation);
        return;
    }
    records = std::move(opened);
    show_records();
    show_status("Opened " + networks_text(records.size()) + " from " + name + ".");
}

void run_save_as() {
    if (!have_records("There is no table to save."))
        return;
    const std::string path =
        choose_file_to_save(window_of(main_window), table_folder(), table_files);
    if (path.empty())
        return;
    const std::string name = file_name_of(path);
    if (!replace_file(path, format_operator_table(records))) {
        show_failure(join_lines({"Can't save " + name + ".", "Nothing was saved."}),
                     message_box_exclamation);
        return;
    }
    show_records();
    show_status("Saved " + networks_text(records.size()) + " to " + name + ".");
}

std::vector<std::string> network_row(const operator_record& record) {
    const std::string code = network_code_of_key(record.key);
    return {record.name, code, code.empty() ? std::string() : network_country(code),
            code.empty() ? std::string() : network_operator(code), key_text(record.key)};
}
