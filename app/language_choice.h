// The program's language: Windows' display language, or the one the user chose in the main
// window's system menu ("Language": "As Windows" and every language by its own name), which
// Window.ini keeps as language= ("auto", "en", "ru").
#pragma once

#include <string>

// At start, before the window is built: the texts' language from Window.ini's setting and
// Windows' display languages.
void start_language();

// The setting ("auto" or a language's code; any other is "auto") and the texts' language and
// font with it; Window.ini and the window's texts are left to the caller.
void choose_language(const std::string& setting);

// "auto" or the code of the language chosen.
const std::string& language_setting();

// The system menu's Language submenu, with the setting checked, in the language in use.
void show_language_menu();

// A command of that submenu: the setting changes, the texts take the language, Window.ini keeps
// it. False (and nothing done) for any other command.
bool take_language_command(int command);
