// The letters of the Cyrillic code page 1251 as the system gives them: its capital letters with
// their small ones, and the network data's (1252) letters above ASCII lacking, as on such a
// system (the few signs the two code pages share are left out here).
#pragma once

#include "runtime/code_page_letters.h"

inline code_page_letters letters_1251() {
    code_page_letters letters = western_letters();
    static const unsigned char pairs[][2] = {
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E},
        {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
        {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (int code = 0x80; code < 256; ++code) {
        letters.lower[code] = static_cast<unsigned char>(code >= 0xC0 && code < 0xE0 ? code + 0x20 : code);
        letters.of_data[code] = '?';
        letters.lacking[code] = true;
    }
    for (const auto& pair : pairs)
        letters.lower[pair[0]] = pair[1];
    return letters;
}
