#include "app/main_page.h"

#include <algorithm>

#include "phone/operator_table.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/text_extent.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"
#include "texts/program_texts.h"

namespace {

constexpr int32_t no_control = -1;

struct captioned {
    int32_t number;
    text_id text;
};
constexpr captioned captions[] = {{connect_button, text_id::connect_button},
                                  {patch_button, text_id::patch_button},
                                  {restart_button, text_id::restart_button},
                                  {name_label, text_id::new_operator_label}};

// The page's places at the opening size in English; a text that needs more room widens its
// control and moves what stands beside it.
constexpr int32_t left = 10;
constexpr int32_t button_top = 10;
constexpr int32_t button_width = 80;
constexpr int32_t button_height = 20;
constexpr int32_t button_gap = 10;
constexpr int32_t button_margin = 6;  // a caption's room to the button's edges, both sides
constexpr int32_t name_top = 40;
constexpr int32_t label_width = 70;
constexpr int32_t field_left = 100;
constexpr int32_t field_gap = 6;  // the least room from the label's end to the name field
constexpr int32_t field_width = 120;
constexpr int32_t content_width = 270;  // the wait, its track bar and the progress bars
const int32_t buttons[] = {connect_button, patch_button, restart_button};

struct page_places {
    int32_t button_width;
    int32_t label_width;
    int32_t field_left;
    int32_t width;  // from the left margin to the right one
};

// Measured in the controls' font, also before they are made.
page_places places_for_texts() {
    const auto width_of = [](const std::string& text) {
        return text_width(text) + 1;  // 1: rounding
    };
    page_places places = {button_width, label_width, field_left, content_width};
    for (const captioned& each : captions) {
        if (each.number == name_label)
            places.label_width = std::max(label_width, width_of(text_of(each.text)));
        else
            places.button_width =
                std::max(places.button_width, width_of(text_of(each.text)) + button_margin);
    }
    places.field_left = std::max(field_left, left + places.label_width + field_gap);
    places.width = std::max({content_width, 3 * places.button_width + 2 * button_gap,
                             places.field_left + field_width - left,
                             width_of(wait_label_text(wait_max_seconds))});
    return places;
}

}  // namespace

void build_main_page(int32_t wait_seconds) {
    add_control_item(tab_control, -1, text_of(text_id::main_tab));  // the first tab
    for (int32_t i = 0; i < 3; ++i)
        create_button(buttons[i], left + i * (button_width + button_gap), button_top, button_width,
                      button_height, text_of(captions[i].text));
    create_text_field(name_field, field_left, name_top, field_width, 20, "Super-Line");
    limit_control_text(name_field, operator_name_max);
    create_label(name_label, left, name_top + 4, label_width, 20,
                 text_of(text_id::new_operator_label));
    create_label(wait_label, left, 69, content_width, 15, wait_label_text(wait_seconds));
    create_track_bar(wait_track_bar, left, 84, content_width, 20, 0, wait_max_seconds);
    set_control_state(wait_track_bar, wait_seconds);
    create_progress_bar(step_bar, left, 105, content_width, 12, 0, 100);
    create_progress_bar(overall_bar, left, 120, content_width, 12, 0, 400);
    focus_control(no_control);  // nothing holds the keyboard focus
}

int32_t main_page_width() {
    return places_for_texts().width;
}

void lay_out_main_page(int32_t width) {
    page_places places = places_for_texts();
    places.width = std::max(places.width, width);
    for (int32_t i = 0; i < 3; ++i)
        move_control(buttons[i], left + i * (places.button_width + button_gap), button_top,
                     places.button_width, button_height);
    move_control(name_label, -1, -1, places.label_width, -1);
    move_control(name_field, places.field_left, -1, -1, -1);
    for (int32_t number : {wait_label, wait_track_bar, step_bar, overall_bar})
        move_control(number, -1, -1, places.width, -1);
}

void retext_main_page(int32_t wait_seconds) {
    for (const captioned& each : captions)
        set_control_text(each.number, text_of(each.text));
    set_control_text(wait_label, wait_label_text(wait_seconds));
}

std::string wait_label_text(int32_t wait_seconds) {
    return text_of(text_id::wait_label, {{"seconds", number_to_text(wait_seconds)}});
}
