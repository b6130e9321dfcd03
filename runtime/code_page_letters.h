// What a find needs of the system's single-byte code page: each byte's lower-case letter, and
// each byte of the network data's code page (1252) as the system's code page writes it. Both
// are tables of 256 entries that the program builds from the system once, at start; a byte with
// no lower case (or no character) stands for itself, and no letter is ever taken for another.
#pragma once

#include <string>

struct code_page_letters {
    unsigned char lower[256];
    // The network data's byte in the system's code page; lacking when the system has no such
    // character (it then shows as the system's default character, '?').
    unsigned char of_data[256];
    bool lacking[256];
};

// Code page 1252 for both: the system is Western, as the network data is.
code_page_letters western_letters();

// The text's letters in lower case, up to its first zero byte (as a list shows it).
std::string lower_case_text(const code_page_letters& letters, const std::string& text);

// The network data's text in the system's code page; lacking tells whether a character had to
// be replaced.
std::string text_of_data(const code_page_letters& letters, const std::string& text,
                         bool& lacking);

// Built from the system (Windows only): the code page given, or the system's own.
code_page_letters letters_of_code_page(unsigned code_page);
code_page_letters letters_of_system();
