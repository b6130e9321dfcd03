#include "app/main_page.h"

#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/control.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"
#include "texts/program_texts.h"

namespace {

constexpr int32_t name_max_length = 255;
constexpr int32_t no_control = -1;

}  // namespace

void build_main_page(int32_t wait_seconds) {
    add_control_item(tab_control, -1, text_of(text_id::main_tab));
    create_button(connect_button, 10, 10, 80, 20, text_of(text_id::connect_button));
    create_button(patch_button, 100, 10, 80, 20, text_of(text_id::patch_button));
    create_button(restart_button, 190, 10, 80, 20, text_of(text_id::restart_button));
    create_text_field(name_field, 100, 40, 120, 20, "Super-Line");
    limit_control_text(name_field, name_max_length);
    create_label(name_label, 10, 44, 70, 20, text_of(text_id::new_operator_label));
    create_label(wait_label, 10, 69, 270, 15, wait_label_text(wait_seconds));
    create_track_bar(wait_track_bar, 10, 84, 270, 20, 0, wait_max_seconds);
    set_control_state(wait_track_bar, wait_seconds);
    create_progress_bar(step_bar, 10, 105, 270, 12, 0, 100);
    create_progress_bar(overall_bar, 10, 120, 270, 12, 0, 400);
    focus_control(no_control);  // nothing holds the keyboard focus
}

std::string wait_label_text(int32_t wait_seconds) {
    return text_of(text_id::wait_label, {{"seconds", number_to_text(wait_seconds)}});
}
