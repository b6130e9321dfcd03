// On Windows the arguments and the console output of a program that uses the C library's
// narrow functions are in the ANSI code page: nothing to convert.
#include "tools/console_text.h"

std::string console_of_ansi(const std::string& ansi) {
    return ansi;
}

bool ansi_of_console(const std::string& text, std::string& ansi) {
    ansi = text;
    return true;
}
