#include "app/networks_page.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "procedures/networks_files.h"
#include "procedures/networks_page.h"
#include "procedures/networks_read.h"
#include "procedures/networks_write.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/code_page_letters.h"
#include "runtime/system_code_page.h"
#include "texts/program_texts.h"
#include "ui/clipboard.h"
#include "ui/control.h"
#include "ui/event.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/push_button.h"
#include "ui/text_extent.h"
#include "ui/text_field.h"
#include "ui/window.h"

namespace {

// The columns' widths, in the order of the model's columns: as the page opens, or as the
// user left them (Window.ini). A column left as it opens widens for a header that needs it.
constexpr std::array<int, network_column_count> opening_column_widths = {90, 60, 110, 90, 72, 44};
std::array<int, network_column_count> column_widths = opening_column_widths;
constexpr int header_margin = 14;  // a header's room to its column's edges, both sides

struct button {
    int number;
    text_id text;
};
constexpr button buttons[] = {{read_button, text_id::read_button},
                              {write_button, text_id::write_button},
                              {open_button, text_id::open_button},
                              {save_as_button, text_id::save_as_button}};
constexpr int button_count = sizeof buttons / sizeof buttons[0];

// Places on the page at the window's smallest size (tab control 290 x 164); the list takes
// whatever the page has more.
constexpr int left = 10;
constexpr int find_top = 8;
constexpr int find_height = 20;
constexpr int find_label_width = 28;
constexpr int find_box_width = 130;
constexpr int count_left = left + find_label_width + find_box_width + 8;
constexpr int list_top = find_top + find_height + 4;
constexpr int room_below_buttons = 30;  // from the buttons' top to the tab control's bottom
constexpr int button_height = 20;
constexpr int button_gap = 6;
constexpr int button_width = (270 - (button_count - 1) * button_gap) / button_count;
constexpr int button_margin = 6;  // a caption's room to the button's edges, both sides
constexpr int count_width = 100;
constexpr int find_label_gap = 4;    // between a widened label's text and the find box
constexpr int widest_count = 20000;  // more records than a table the phone takes can hold

struct page_places {
    int find_label_width;
    int count_width;
    int button_width;
    int width;  // the least room between the page's margins
};

int width_of(const std::string& text) {
    return text_width(text) + 1;  // 1: rounding
}

// Measured in the controls' font, so also before the page is built.
page_places places_for_texts() {
    const std::string widest = std::to_string(widest_count);
    page_places places = {
        std::max(find_label_width, width_of(text_of(text_id::find_label)) + find_label_gap),
        std::max(count_width,
                 width_of(text_of(text_id::find_count, {{"shown", widest}, {"count", widest}}))),
        button_width, 0};
    for (const button& each : buttons)
        places.button_width =
            std::max(places.button_width, width_of(text_of(each.text)) + button_margin);
    places.width =
        std::max({270, button_count * places.button_width + (button_count - 1) * button_gap,
                  places.find_label_width + find_box_width + 8 + places.count_width});
    return places;
}

// The widths the page gave the columns; a column the user has not changed since (within a
// unit of rounding) takes its header's width, in the language and at the display scale now.
int given_widths[network_column_count] = {};

void widen_columns_for_headers() {
    for (int column = 0; column < network_column_count; ++column) {
        const int now = list_view_column_width(network_list, column);
        if (now != opening_column_widths[column] && std::abs(now - given_widths[column]) > 1)
            continue;  // as the user left it
        given_widths[column] = std::max(opening_column_widths[column],
                                        width_of(network_column_header(column)) + header_margin);
        if (given_widths[column] != now)
            set_list_view_column_width(network_list, column, given_widths[column]);
    }
}

// The page's one owner: it holds the model, answers the list's questions from it and shows each
// change of it, whether the page's own controls, its procedures or a Patch made it.
class networks_page_owner final : public networks_page,
                                  public list_view_source,
                                  public networks_watcher {
public:
    networks_model networks;

    networks_model& model() override { return networks; }

    void take_typed_names() override {
        finish_list_view_edit(network_list);
        take_renames();
    }

    // The list shows UTF-8; the names are bytes in the system's code page.
    std::string cell(int row, int column) const override {
        return utf8_of_system_code_page(network_cell(networks, row, column));
    }

    bool marked(int row) const override { return network_renamed(networks, row); }

    // The one place that shows the model: the rows, their marks and order, the header's arrow
    // and "N of M". Before the page is built there is nothing to show; building it shows all.
    void networks_changed(networks_change change) override {
        if (control_handle(network_list) == nullptr)
            return;
        if (change == networks_change::records)
            set_list_view_rows(network_list, static_cast<int>(networks.records.size()));
        if (change != networks_change::names) {
            set_list_view_order(network_list, networks.shown);
            show_list_view_sort(network_list, networks.sort_column, networks.sort_direction);
            set_control_text(find_count_label, networks_found_text(networks));
        }
        redraw_list_view(network_list);
    }

    // The renames typed in the list and not yet taken, in order; an edit that names several
    // rows says "Renamed N networks." in the status bar, as does one that changed a name.
    void take_renames() {
        for (const list_view_edit& edit : take_list_view_edits(network_list)) {
            const rename_result result = rename_as_typed(networks, edit.row, edit.rows,
                                                         system_code_page_of_typed(edit.text));
            if (result.too_long)
                show_failure(count_text_of(text_id::name_too_long_message, operator_name_max),
                             message_box_exclamation);
            else if (result.said)
                show_count_status(text_id::renamed_status, static_cast<long long>(result.renamed));
        }
    }

    // Ctrl+Z and Ctrl+Y, and the context menu's Undo and Redo: the status says what was done.
    void undo_or_redo(bool undo) {
        const names_step* step = undo ? undo_names(networks) : redo_names(networks);
        if (step != nullptr)
            show_count_status(names_step_text(step->kind, undo ? step_words::undone_status
                                                               : step_words::redone_status),
                              static_cast<long long>(step->rows.size()), {{"file", step->file}});
    }

    void use_operator_names_of_selected() {
        show_status(operator_names_status(
            use_operator_names(networks, list_view_selected_rows(network_list))));
    }

    // Ctrl+C: the selected rows as text on the clipboard.
    void copy_selected() {
        const std::vector<int> rows = list_view_selected_rows(network_list);
        if (!rows.empty())
            put_text_on_clipboard(window_of(main_window),
                                  networks_copy_text(networks, rows, utf8_of_system_code_page));
    }

    // The list's context menu (a right click, Shift+F10, the menu key) and its commands.
    void run_menu() {
        enum : int { rename = 1, operator_names, copy, select_all, undo, redo };
        const int chosen = choose_list_view_command(
            network_list, {{rename, text_of(text_id::rename_command)},
                           {operator_names, text_of(text_id::operator_names_command)},
                           {copy, text_of(text_id::copy_command)},
                           {select_all, text_of(text_id::select_all_command)},
                           {0, std::string()},
                           {undo, undo_command_text(networks), networks.undo_steps.empty()},
                           {redo, redo_command_text(networks), networks.redo_steps.empty()}});
        switch (chosen) {
            case undo:
            case redo:
                undo_or_redo(chosen == undo);
                break;
            case rename:
                edit_list_view_labels(network_list);
                break;
            case operator_names:
                use_operator_names_of_selected();
                break;
            case copy:
                copy_selected();
                break;
            case select_all:
                select_all_list_view_rows(network_list);
                break;
            default:
                break;
        }
    }
};

// On the heap: a global of its size would be stored in the program file.
networks_page_owner& owner = *new networks_page_owner;

}  // namespace

void build_networks_page() {
    create_label(find_label, left, find_top + 3, find_label_width, 14,
                 text_of(text_id::find_label));
    create_text_field(find_field, left + find_label_width, find_top, find_box_width, find_height,
                      "");
    create_label(find_count_label, count_left, find_top + 3, count_width, 14,
                 "");  // "1300 of 1300"
    create_list_view(network_list, left, list_top, 270, 80);
    limit_list_view_labels(network_list, operator_name_max);
    for (int column = 0; column < network_column_count; ++column)
        add_list_view_column(network_list, network_column_header(column), column_widths[column]);
    for (int i = 0; i < button_count; ++i)
        create_button(buttons[i].number, left + i * (button_width + button_gap), 0, button_width,
                      button_height, text_of(buttons[i].text));
    lay_out_networks_page();
    // What a Read, an Open..., a failed Patch or the question at start put in the model.
    set_list_view_source(network_list, &owner);
    owner.networks_changed(networks_change::records);
}

networks_page& network_page() {
    return owner;
}

void forget_networks() {
    owner.networks = networks_model{};
    owner.networks.letters = letters_of_system();
    owner.networks.watcher = &owner;
    take_list_view_edits(network_list);
}

void retext_networks_page() {
    if (control_handle(network_list) == nullptr)
        return;
    set_control_text(find_label, text_of(text_id::find_label));
    for (const button& each : buttons)
        set_control_text(each.number, text_of(each.text));
    for (int column = 0; column < network_column_count; ++column)
        set_list_view_column_text(network_list, column, network_column_header(column));
    lay_out_networks_page();
    set_control_text(find_count_label, networks_found_text(owner.networks));
}

bool keep_network_column_widths(const std::vector<int>& widths) {
    if (widths.size() != column_widths.size())
        return false;
    std::copy(widths.begin(), widths.end(), column_widths.begin());
    return true;
}

std::vector<int> network_column_widths() {
    std::vector<int> widths;
    for (int column = 0; column < network_column_count; ++column)
        widths.push_back(control_handle(network_list) == nullptr
                             ? column_widths[column]
                             : list_view_column_width(network_list, column));
    return widths;
}

int networks_page_width() {
    return places_for_texts().width;
}

void lay_out_networks_page() {
    if (control_handle(network_list) == nullptr)
        return;
    widen_columns_for_headers();
    const page_places places = places_for_texts();
    const int width = control_width(tab_control) - 2 * left;
    const int button_top = control_height(tab_control) - room_below_buttons - button_height;
    const int field_left = left + places.find_label_width;
    move_control(find_label, -1, -1, places.find_label_width, -1);
    move_control(find_field, field_left, -1, -1, -1);
    move_control(find_count_label, field_left + find_box_width + 8, -1, places.count_width, -1);
    move_control(network_list, -1, -1, width, button_top - button_gap - list_top);
    for (int i = 0; i < button_count; ++i)
        move_control(buttons[i].number, left + i * (places.button_width + button_gap), button_top,
                     places.button_width, -1);
}

void focus_find_box() {
    if (get_control_state(tab_control) != networks_tab_index)
        return;
    focus_control(find_field);
    select_all_text(find_field);
}

void handle_networks_event(int control) {
    owner.take_renames();
    networks_model& networks = owner.networks;
    switch (control) {
        case find_field:
            if (event_detail() == text_field_changed)
                find_networks(networks, system_code_page_of_typed(get_control_text(find_field)));
            break;
        case network_list:
            if (event_detail() == list_view_column_clicked)
                sort_networks_by(networks, list_view_clicked_column(network_list));
            else if (event_detail() == list_view_copy_asked)
                owner.copy_selected();
            else if (event_detail() == list_view_menu_asked)
                owner.run_menu();
            else if (event_detail() == list_view_undo_asked ||
                     event_detail() == list_view_redo_asked)
                owner.undo_or_redo(event_detail() == list_view_undo_asked);
            break;
        case read_button:
            run_read(owner);
            break;
        case write_button:
            run_write(owner);
            break;
        case open_button:
            run_open(owner);
            break;
        case save_as_button:
            run_save_as(owner);
            break;
        default:
            break;
    }
}
