#include "procedures/networks_list.h"

#include <algorithm>

#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/clipboard.h"
#include "ui/control.h"
#include "ui/list_view.h"
#include "ui/window.h"
#include "texts/program_texts.h"
#include "runtime/system_code_page.h"

namespace {

// On the heap: a global of its size would be stored in the program file.
networks_model& model = *new networks_model;
int arrow_column = -1;  // the sort the header's arrow shows
int arrow_direction = 0;

// The list shows UTF-8; the names are bytes in the system's code page.
std::string cell_of(int row, int column) {
    return utf8_of_system_code_page(network_cell(model, row, column));
}

bool marked(int row) {
    return network_renamed(model, row);
}

// The commands of the list's context menu.
enum : int { rename_command = 1, operator_names_command, copy_command, select_all_command };

void run_use_operator_names() {
    const operator_names_result result =
        use_operator_names(model, list_view_selected_rows(network_list));
    show_networks();
    std::string status = count_text_of(text_id::named_status, static_cast<long long>(result.named));
    if (result.kept > 0)
        status += " " + count_text_of(text_id::kept_status, static_cast<long long>(result.kept));
    show_status(status);
}

}  // namespace

networks_model& networks() {
    return model;
}

void forget_networks() {
    model = networks_model{};
    model.letters = letters_of_system();
    arrow_column = -1;
    arrow_direction = 0;
    take_list_view_edits(network_list);
}

void attach_network_list() {
    set_list_view_source(network_list, {cell_of, marked});
    set_list_view_rows(network_list, static_cast<int>(model.records.size()));
    show_networks();
}

void show_network_records(std::vector<operator_record> records) {
    load_networks(model, std::move(records));
    set_list_view_rows(network_list, static_cast<int>(model.records.size()));
    show_networks();
}

void unmark_network_records() {
    keep_network_names(model);
    redraw_list_view(network_list);
}

void show_networks() {
    set_list_view_order(network_list, model.shown);
    // A find keystroke leaves the header alone: setting its arrow repaints it.
    if (model.sort_column != arrow_column || model.sort_direction != arrow_direction)
        show_list_view_sort(network_list, model.sort_column, model.sort_direction);
    arrow_column = model.sort_column;
    arrow_direction = model.sort_direction;
    redraw_list_view(network_list);
    const size_t count = model.records.size();
    set_control_text(
        find_count_label,
        count == 0 ? std::string()
                   : text_of(text_id::find_count, {{"shown", std::to_string(model.shown.size())},
                                                   {"count", std::to_string(count)}}));
}

void take_renames() {
    for (list_view_edit& edit : take_list_view_edits(network_list)) {
        edit.text = system_code_page_of_typed(edit.text);
        if (edit.rows.empty())
            edit.rows = {edit.row};
        const bool many = edit.rows.size() > 1;
        // The edited row's name kept as the editor opened with it leaves the name alone.
        if (edit.text == network_cell(model, edit.row, 0))
            edit.rows.erase(std::remove(edit.rows.begin(), edit.rows.end(), edit.row),
                            edit.rows.end());
        const rename_result result = rename_networks(model, edit.rows, edit.text);
        redraw_list_view(network_list);
        if (result.too_long)
            show_failure(count_text_of(text_id::name_too_long_message, operator_name_max),
                         message_box_exclamation);
        else if (result.renamed > 0 || many)
            show_count_status(text_id::renamed_status, static_cast<long long>(result.renamed));
    }
}

bool may_discard_renames() {
    finish_list_view_edit(network_list);
    take_renames();
    const size_t count = renamed_network_count(model);
    if (count == 0)
        return true;
    return ask_yes_no(count_text_of(text_id::discard_question, static_cast<long long>(count)),
                      message_box_warning_yes_no_default_no);
}

bool put_back_renames() {
    if (!may_discard_renames())
        return false;
    if (renamed_network_count(model) > 0) {
        discard_renames(model);
        show_networks();
    }
    return true;
}

bool have_network_records(const std::string& refusal) {
    if (!model.records.empty())
        return true;
    show_failure(join_lines({refusal, text_of(text_id::read_or_open_first)}),
                 message_box_exclamation);
    return false;
}

void run_network_menu() {
    switch (choose_list_view_command(
        network_list, {{rename_command, text_of(text_id::rename_command)},
                       {operator_names_command, text_of(text_id::operator_names_command)},
                       {copy_command, text_of(text_id::copy_command)},
                       {select_all_command, text_of(text_id::select_all_command)}})) {
        case rename_command:
            edit_list_view_labels(network_list);
            break;
        case operator_names_command:
            run_use_operator_names();
            break;
        case copy_command:
            copy_networks();
            break;
        case select_all_command:
            select_all_list_view_rows(network_list);
            break;
        default:
            break;
    }
}

void copy_networks() {
    const std::vector<int> rows = list_view_selected_rows(network_list);
    if (!rows.empty())
        put_text_on_clipboard(window_of(main_window),
                              networks_copy_text(model, rows, utf8_of_system_code_page));
}
