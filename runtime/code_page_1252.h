// Windows code page 1252 ("Western") and UTF-8. The five bytes that 1252 leaves undefined (81,
// 8D, 8F, 90, 9D) stand for the control characters of the same number, as Windows converts
// them, so that every byte has a character and back. Pure code.
#pragma once

#include <string>

std::string utf8_of_code_page_1252(const std::string& bytes);

// False when the text is not UTF-8 or holds a character that code page 1252 lacks.
bool code_page_1252_of_utf8(const std::string& text, std::string& bytes);
