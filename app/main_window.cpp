#include "app/main_window.h"

#include <vector>

#include "app/networks_page.h"
#include "app/page_texts.h"
#include "phone/connect.h"
#include "phone/main_window_numbers.h"
#include "phone/patch.h"
#include "phone/restart.h"
#include "runtime/number_text.h"
#include "runtime/random.h"
#include "ui/control.h"
#include "ui/event.h"
#include "ui/status_bar.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/tab_control.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"
#include "ui/window.h"

namespace {

constexpr int32_t main_window_flags = 0x00CA0001;  // caption, system menu, minimise box; centred
constexpr int32_t text_box_flags = 0x8E4;          // read-only, multi-line, scrolling both ways
constexpr int32_t name_max_length = 255;
constexpr int32_t no_control = -1;

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

void build_about_page() {
    create_text_box(about_box, 10, 10, 270, 124, text_box_text(about_page_lines()),
                    text_box_flags);
}

void build_license_page() {
    create_text_box(license_box, 10, 10, 270, 124, text_box_text(license_page_lines()),
                    text_box_flags);
}

void build_main_page(int32_t wait_seconds) {
    add_control_item(tab_control, -1, "Main");
    create_button(connect_button, 10, 10, 80, 20, "Connect");
    create_button(patch_button, 100, 10, 80, 20, "Patch");
    create_button(restart_button, 190, 10, 80, 20, "Restart");
    create_text_field(name_field, 100, 40, 120, 20, "Super-Line");
    limit_control_text(name_field, name_max_length);
    create_label(name_label, 10, 44, 70, 20, "New operator:");
    create_label(wait_label, 10, 69, 270, 15, wait_label_text(wait_seconds));
    create_track_bar(wait_track_bar, 10, 84, 270, 20, 0, wait_max_seconds);
    set_control_state(wait_track_bar, wait_seconds);
    create_progress_bar(step_bar, 10, 105, 270, 12, 0, 100);
    create_progress_bar(overall_bar, 10, 120, 270, 12, 0, 400);
    focus_control(no_control);  // nothing holds the keyboard focus
}

}  // namespace

void add_page_built_when_shown(const char* caption, page_builder build) {
    add_control_item(tab_control, -1, caption);
    build_page_when_shown(tab_control, count_control_items(tab_control) - 1, build);
}

std::string wait_label_text(int32_t wait_seconds) {
    return "Wait " + number_to_text(wait_seconds) + " sec. for P2K device.";
}

void build_main_window(int32_t wait_seconds) {
    open_window(main_window, 100, 120, 290, 180, main_window_flags, main_window_title);
    set_container(current_window());
    create_tab_control(tab_control, 0, 0, 290, 164);
    build_main_page(wait_seconds);
    // The other pages get their controls when first shown: a start shows at most one of them.
    add_page_built_when_shown("Help-n-About", build_about_page);
    add_page_built_when_shown("License", build_license_page);
    add_networks_page();

    create_status_bar(main_status_bar, current_window());
    add_status_field(290);
    set_status_text(main_status_bar, 0, "Press ''connect''", 0);

    // The window opens on the about page in 25 of 51 cases.
    set_control_state(tab_control, random_up_to(50) < 25 ? 1 : 0);
}

void run_event_loop(int32_t& wait_seconds) {
    for (;;) {
        int32_t event = wait_event();
        if (event == event_control_used) {
            switch (event_control()) {
                case wait_track_bar:
                    wait_seconds = get_control_state(wait_track_bar);
                    set_control_text(wait_label, wait_label_text(wait_seconds));
                    break;
                case connect_button:
                    run_connect(wait_seconds);
                    break;
                case patch_button:
                    run_patch();
                    break;
                case restart_button:
                    run_restart();
                    break;
                default:
                    handle_networks_event(event_control());
                    break;
            }
        }
        if (event == event_close_request)
            return;
    }
}
