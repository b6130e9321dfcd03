#include "phone/progress.h"

#include "phone/main_window_numbers.h"
#include "runtime/delay.h"
#include "ui/control.h"
#include "ui/event.h"
#include "ui/message_box.h"
#include "ui/status_bar.h"

void show_status(const std::string& text) {
    set_status_text(main_status_bar, 0, text, 0);
}

void show_message(const std::string& text, int flags) {
    message_box(main_window_title, text, flags);
}

bool ask_yes_no(const std::string& text) {
    return message_box(main_window_title, text, message_box_question_yes_no) == message_box_yes;
}

void show_failure(const std::string& text, int flags) {
    show_message(text, flags);
    show_status("Failed.");
}

void run_progress(int32_t overall_start, int32_t overall_step) {
    for (int32_t i = 0; i <= 100; ++i) {
        sleep_ms(10);
        set_control_state(step_bar, i);
        set_control_state(overall_bar, overall_start + overall_step * i);
        poll_event();
    }
}

std::string join_lines(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first)
            text += '\n';
        text += line;
        first = false;
    }
    return text;
}
