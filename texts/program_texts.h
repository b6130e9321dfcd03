// The program's texts, by name, in the language chosen: English until another is chosen. A
// text is UTF-8. Its placeholders ({file}, {count}) are filled from the values given; a text
// with a count takes the form the language gives that count ("1 network", "2 networks").
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "texts/text_table.h"

struct text_value {
    const char* name;  // the placeholder's name, without braces
    std::string value;
};

std::string text_of(text_id id, std::initializer_list<text_value> values = {});
std::string text_of(text_id id, const std::vector<text_value>& values);
// Fills {count} with the count and picks the form for it.
std::string count_text_of(text_id id, long long count,
                          std::initializer_list<text_value> values = {});
std::string count_text_of(text_id id, long long count, const std::vector<text_value>& values);

// The language built in under the code ("en", "ru"); 0 for a code none has.
const text_language* language_of_code(const std::string& code);
const text_language& text_language_in_use();
// A code no language has leaves English in use.
void use_text_language(const std::string& code);

// The language to use for a setting of "auto" (as Windows) or a language's code: the code when
// a language has it; else the first of Windows' display languages ("ru-RU", "en-US", in the
// user's order) that one has; else English.
std::string text_language_for(const std::string& setting,
                              const std::vector<std::string>& display_languages);
