// The system's single-byte code page (the one the program's window texts and the phone's names
// are in) and UTF-8, both ways. Texts may hold zero bytes: they are converted by their length.
#pragma once

#include <string>

std::string utf8_of_system_code_page(const std::string& bytes);

// False when the text is not UTF-8 or holds a character that the code page lacks.
bool system_code_page_of_utf8(const std::string& text, std::string& bytes);

// What the user typed (UTF-8) in the code page, a character it lacks written as its default
// character ('?'), as the platform's own conversion of a typed text writes it.
std::string system_code_page_of_typed(const std::string& text);
