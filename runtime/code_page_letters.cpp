#include "runtime/code_page_letters.h"

code_page_letters western_letters() {
    code_page_letters letters = {};
    for (int code = 0; code < 256; ++code) {
        int lower = code;
        if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
            lower = code + 0x20;
        else if (code == 0x8A || code == 0x8C || code == 0x8E)  // S, OE, Z with their marks
            lower = code + 0x10;
        else if (code == 0x9F)  // Y with diaeresis
            lower = 0xFF;
        letters.lower[code] = static_cast<unsigned char>(lower);
        letters.of_data[code] = static_cast<unsigned char>(code);
    }
    return letters;
}

std::string lower_case_text(const code_page_letters& letters, const std::string& text) {
    std::string lower(text.c_str());
    for (char& each : lower)
        each = static_cast<char>(letters.lower[static_cast<unsigned char>(each)]);
    return lower;
}

std::string text_of_data(const code_page_letters& letters, const std::string& text,
                         bool& lacking) {
    std::string converted(text.size(), '\0');
    lacking = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        converted[i] = static_cast<char>(letters.of_data[byte]);
        lacking = lacking || letters.lacking[byte];
    }
    return converted;
}
