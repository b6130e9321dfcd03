#include "app/main_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/language_choice.h"
#include "app/main_page.h"
#include "app/networks_page.h"
#include "app/page_texts.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/random.h"
#include "ui/control.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/tab_pages.h"
#include "ui/text_extent.h"
#include "ui/text_field.h"
#include "ui/window.h"
#include "texts/program_texts.h"

namespace {

constexpr int32_t main_window_flags = window_style_sizable | window_flag_centre_on_screen;
constexpr int32_t opening_width = main_window_opening_width;
constexpr int32_t opening_height = main_window_opening_height;
constexpr int32_t status_bar_room = 16;
// The text boxes' margins to the tab control's right and bottom edges.
constexpr int32_t text_box_left = 10;
constexpr int32_t text_box_top = 10;
constexpr int32_t text_box_room_right = 20;
constexpr int32_t text_box_room_below = 40;

constexpr text_id tab_texts[] = {text_id::main_tab, text_id::about_tab, text_id::license_tab,
                                 text_id::networks_tab};

constexpr int32_t page_margins = 20;    // left and right, between the tab control and a page's
constexpr int32_t status_margins = 12;  // the status bar's edges and its grip

// The statuses the window shows whole in English at its opening size (in the stock fonts at 96
// DPI): in another language, or at another display scale, it grows for them. (Statuses that name a
// file or add a second sentence may be cut in any.)
const text_id whole_statuses[] = {text_id::press_connect_status,
                                  text_id::connected_status,
                                  text_id::failed_status,
                                  text_id::loading_status,
                                  text_id::patching_status,
                                  text_id::writing_status,
                                  text_id::patched_status,
                                  text_id::written_status,
                                  text_id::restarting_status,
                                  text_id::restarted_status,
                                  text_id::read_not_connected_status,
                                  text_id::write_not_connected_status,
                                  text_id::patch_not_connected_status,
                                  text_id::restart_not_connected_status,
                                  text_id::write_back_status,
                                  text_id::nothing_written};

// The smallest client width at which every page's texts and the statuses above show whole: the
// opening width, or more where the language or the display scale needs it.
int32_t width_for_texts() {
    int32_t width = std::max(
        {opening_width, main_page_width() + page_margins, networks_page_width() + page_margins});
    // With the stock fonts (English at 96 DPI) the statuses are whole at the opening size by
    // their choice; else the status bar has the controls' font.
    if (status_bars_keep_their_font())
        return width;
    const auto fit = [&width](const std::string& status) {
        width = std::max(width, text_width(status) + status_margins);
    };
    for (text_id status : whole_statuses)
        fit(text_of(status));
    fit(text_of(text_id::switching_status, {{"seconds", "10"}, {"tenths", "0"}}));
    for (text_id status : {text_id::read_status, text_id::renamed_status})
        fit(count_text_of(status, 1000));
    return width;
}

// A text box's whole text: the lines with CR LF between them (and after a single line). The
// box is given it once: a box filled line by line lays out its growing text again each time.
std::string text_box_text(const std::vector<std::string>& lines) {
    std::string text = lines[0] + "\r\n";
    for (size_t i = 1; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size())
            text += "\r\n";
    }
    return text;
}

void build_text_box(int32_t number, const std::vector<std::string>& lines) {
    create_text_box(number, text_box_left, text_box_top,
                    control_width(tab_control) - text_box_room_right,
                    control_height(tab_control) - text_box_room_below, text_box_text(lines),
                    text_box_read_only);
}

void build_about_page() {
    build_text_box(about_box, about_page_lines());
}

void build_license_page() {
    build_text_box(license_box, license_page_lines());
}

bool fit_window_to_texts();

// The tab control and the pages' growing controls follow the window's new client size.
void lay_out_main_window(int width, int height) {
    // After a move to another display scale the texts' widths change; a window that grew for
    // them has been laid out at its new size already.
    if (fit_window_to_texts())
        return;
    move_control(tab_control, 0, 0, width, height - status_bar_room);
    for (int32_t box : {about_box, license_box})
        move_control(box, -1, -1, width - text_box_room_right,
                     height - status_bar_room - text_box_room_below);
    lay_out_main_page(width_for_texts() - page_margins);
    lay_out_networks_page();
}

// True when the window grew.
bool fit_window_to_texts() {
    static bool fitting = false;  // a window it grows lays out (and comes here) again
    if (fitting || control_handle(tab_control) == nullptr)
        return false;
    fitting = true;
    const int32_t width = control_width(tab_control);
    let_window_grow(main_window, width_for_texts(), opening_height, lay_out_main_window);
    fitting = false;
    return control_width(tab_control) != width;
}

// Adds the next page of the window's tab control; `build` makes its controls when it is first
// shown.
void add_page_built_when_shown(const std::string& caption, page_builder build) {
    add_control_item(tab_control, -1, caption);
    build_page_when_shown(tab_control, count_control_items(tab_control) - 1, build);
}

}  // namespace

void build_main_window(int32_t wait_seconds) {
    // As wide as the texts need from the start: a window that grew later would paint twice.
    const int32_t width = width_for_texts();
    open_window(main_window, 100, 120, width, opening_height, main_window_flags, main_window_title);
    let_window_grow(main_window, width, opening_height, lay_out_main_window);
    add_ctrl_key_command(main_window, 'F', find_command);
    set_container(current_window());
    create_tab_control(tab_control, 0, 0, width, opening_height - status_bar_room);
    build_main_page(wait_seconds);
    // The other pages get their controls when first shown: a start shows at most one of them.
    add_page_built_when_shown(text_of(tab_texts[1]), build_about_page);
    add_page_built_when_shown(text_of(tab_texts[2]), build_license_page);
    add_page_built_when_shown(text_of(tab_texts[networks_tab_index]), build_networks_page);
    forget_networks();

    create_status_bar(main_status_bar, current_window());
    add_status_field(width);
    show_status(text_id::press_connect_status);

    show_language_menu();
    lay_out_main_page(width - page_margins);

    // The window opens on the about page in 25 of 51 cases.
    set_control_state(tab_control, random_up_to(50) < 25 ? 1 : 0);
}

void show_networks_page() {
    set_control_state(tab_control, networks_tab_index);
}

void retext_main_window(int32_t wait_seconds) {
    int32_t index = 0;
    for (text_id tab : tab_texts)
        set_control_item_text(tab_control, index++, text_of(tab), 0);
    retext_main_page(wait_seconds);
    set_control_text(about_box, text_box_text(about_page_lines()));
    retext_networks_page();
    show_status_again();
    show_language_menu();
    if (!fit_window_to_texts()) {
        lay_out_main_page(width_for_texts() - page_margins);
        lay_out_networks_page();
    }
}
