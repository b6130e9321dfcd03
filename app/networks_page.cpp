#include "app/networks_page.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "procedures/networks_files.h"
#include "procedures/networks_list.h"
#include "procedures/networks_read.h"
#include "procedures/networks_write.h"
#include "procedures/window_numbers.h"
#include "runtime/system_code_page.h"
#include "texts/program_texts.h"
#include "ui/control.h"
#include "ui/event.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/push_button.h"
#include "ui/text_extent.h"
#include "ui/text_field.h"

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
constexpr int find_label_gap = 4;  // between a widened label's text and the find box
constexpr int networks_page_index = 3;
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

}  // namespace

void build_networks_page() {
    create_label(find_label, left, find_top + 3, find_label_width, 14,
                 text_of(text_id::find_label));
    create_text_field(find_field, left + find_label_width, find_top, find_box_width, find_height,
                      "");
    create_label(find_count_label, count_left, find_top + 3, count_width, 14,
                 "");  // "1300 of 1300"
    create_list_view(network_list, left, list_top, 270, 80);
    for (int column = 0; column < network_column_count; ++column)
        add_list_view_column(network_list, network_column_header(column), column_widths[column]);
    for (int i = 0; i < button_count; ++i)
        create_button(buttons[i].number, left + i * (button_width + button_gap), 0, button_width,
                      button_height, text_of(buttons[i].text));
    lay_out_networks_page();
    // What a Read, an Open..., a failed Patch or the question at start put in the model.
    attach_network_list();
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
    show_networks();  // the count beside the find box
}

void keep_network_column_widths(const int* widths) {
    std::copy(widths, widths + network_column_count, column_widths.begin());
}

void network_column_widths(int* widths) {
    for (int column = 0; column < network_column_count; ++column)
        widths[column] = control_handle(network_list) == nullptr
                             ? column_widths[column]
                             : list_view_column_width(network_list, column);
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
    if (get_control_state(tab_control) != networks_page_index)
        return;
    focus_control(find_field);
    select_all_text(find_field);
}

void handle_networks_event(int control) {
    take_renames();
    switch (control) {
        case find_field:
            if (event_detail() == text_field_changed) {
                find_networks(networks(), system_code_page_of_typed(get_control_text(find_field)));
                show_networks();
            }
            break;
        case network_list:
            if (event_detail() == list_view_column_clicked) {
                sort_networks_by(networks(), list_view_clicked_column(network_list));
                show_networks();
            } else if (event_detail() == list_view_copy_asked) {
                copy_networks();
            } else if (event_detail() == list_view_menu_asked) {
                run_network_menu();
            }
            break;
        case read_button:
            run_read();
            break;
        case write_button:
            run_write();
            break;
        case open_button:
            run_open();
            break;
        case save_as_button:
            run_save_as();
            break;
        default:
            break;
    }
}
