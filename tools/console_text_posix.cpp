// Consoles other than Windows' speak UTF-8.
#include "runtime/code_page_1252.h"
#include "tools/console_text.h"

std::string console_of_ansi(const std::string& ansi) {
    return utf8_of_code_page_1252(ansi);
}

bool ansi_of_console(const std::string& text, std::string& ansi) {
    return code_page_1252_of_utf8(text, ansi);
}
