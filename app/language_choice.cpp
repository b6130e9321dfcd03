#include "app/language_choice.h"

#include <vector>

#include "app/display_language.h"
#include "app/window_place_file.h"
#include "procedures/window_numbers.h"
#include "texts/program_texts.h"
#include "ui/control_container.h"
#include "ui/status_bar.h"
#include "ui/window.h"

namespace {

// The submenu's commands: "As Windows", then each language in the order they are built in.
constexpr int as_windows_command = 0x1000;
constexpr int command_step = 0x10;  // the system keeps a command's low four bits

std::string setting = "auto";

// The command of the language built in at the index.
int command_of_language(int index) {
    return as_windows_command + (index + 1) * command_step;
}

int command_of(const std::string& chosen) {
    for (int i = 0; i < text_language_count; ++i)
        if (chosen == text_languages[i].code)
            return command_of_language(i);
    return as_windows_command;
}

}  // namespace

void choose_language(const std::string& chosen) {
    setting = language_of_code(chosen) != nullptr ? chosen : "auto";
    const std::string language = text_language_for(setting, windows_display_languages());
    use_text_language(language);
    // English keeps the stock font at 96 DPI; another language needs a face with its script on
    // any Windows, whatever its code page.
    keep_stock_font_at_96(language == text_languages[0].code);
    refont_controls();
    refont_status_bars();
}

void start_language() {
    choose_language(kept_language());
}

const std::string& language_setting() {
    return setting;
}

void show_language_menu() {
    std::vector<menu_choice> choices = {{as_windows_command, text_of(text_id::as_windows_command)}};
    for (int i = 0; i < text_language_count; ++i)
        choices.push_back({command_of_language(i), text_languages[i].name});
    set_system_menu_choices(main_window, text_of(text_id::language_menu), choices,
                            command_of(setting));
}

bool take_language_command(int command) {
    const int index = (command - as_windows_command) / command_step;
    if (command < as_windows_command || (command - as_windows_command) % command_step != 0 ||
        index > text_language_count)
        return false;
    choose_language(index == 0 ? "auto" : text_languages[index - 1].code);
    keep_main_window_place();
    return true;
}
