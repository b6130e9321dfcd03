#include "procedures/status_and_messages.h"

#include "procedures/window_numbers.h"
#include "ui/message_box.h"
#include "ui/status_bar.h"
#include "ui/window.h"
#include "texts/program_texts.h"

void show_status(const std::string& text) {
    set_status_text(main_status_bar, 0, text, 0);
}

void show_status_now(const std::string& text) {
    show_status(text);
    paint_window_now(main_window);
}

void show_message(const std::string& text, int flags) {
    message_box(main_window_title, text, flags);
}

bool ask_yes_no(const std::string& text, int flags) {
    return message_box(main_window_title, text, flags) == message_box_yes;
}

void show_failure(const std::string& text, int flags) {
    show_message(text, flags);
    show_status(text_of(text_id::failed_status));
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
