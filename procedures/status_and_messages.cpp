#include "procedures/status_and_messages.h"

#include "procedures/window_numbers.h"
#include "ui/message_box.h"
#include "ui/status_bar.h"
#include "ui/window.h"
#include "texts/program_texts.h"

namespace {

// The last status from the table: shown again after a change of language.
struct kept_status {
    bool kept = false;
    text_id id = text_id::press_connect_status;
    bool counted = false;
    long long count = 0;
    std::vector<text_value> values;
};
kept_status last;

std::string text_of_kept() {
    return last.counted ? count_text_of(last.id, last.count, last.values)
                        : text_of(last.id, last.values);
}

void keep(text_id id, bool counted, long long count, std::initializer_list<text_value> values) {
    last = {true, id, counted, count, std::vector<text_value>(values)};
    set_status_text(main_status_bar, 0, text_of_kept(), 0);
}

}  // namespace

void show_status(const std::string& text) {
    last.kept = false;
    set_status_text(main_status_bar, 0, text, 0);
}

void show_status_now(const std::string& text) {
    show_status(text);
    paint_window_now(main_window);
}

void show_status(text_id id, std::initializer_list<text_value> values) {
    keep(id, false, 0, values);
}

void show_status_now(text_id id) {
    keep(id, false, 0, {});
    paint_window_now(main_window);
}

void show_count_status(text_id id, long long count, std::initializer_list<text_value> values) {
    keep(id, true, count, values);
}

void show_status_again() {
    if (last.kept)
        set_status_text(main_status_bar, 0, text_of_kept(), 0);
}

void show_message(const std::string& text, int flags) {
    message_box(main_window_title, text, flags);
}

bool ask_yes_no(const std::string& text, int flags) {
    return message_box(main_window_title, text, flags) == message_box_yes;
}

void show_failure(const std::string& text, int flags) {
    show_message(text, flags);
    show_status(text_id::failed_status);
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
