// The letters' tables from the system: each byte through UTF-16 (MultiByteToWideChar), lower
// case by the invariant locale, and back (WideCharToMultiByte without best-fit characters, so a
// character the code page lacks is never written as a letter that looks like it).
#include <windows.h>

#include "runtime/code_page_letters.h"

namespace {

// The character's byte in the code page; false when the code page has no single byte for it.
bool byte_of(UINT code_page, wchar_t character, unsigned char& byte) {
    char bytes[4] = {};
    BOOL replaced = FALSE;
    const int count = WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                          sizeof bytes, nullptr, &replaced);
    byte = static_cast<unsigned char>(bytes[0]);
    return count == 1 && !replaced;
}

}  // namespace

code_page_letters letters_of_code_page(unsigned code_page) {
    code_page_letters letters = {};
    for (int code = 0; code < 256; ++code) {
        const char byte = static_cast<char>(code);
        letters.lower[code] = static_cast<unsigned char>(code);
        letters.of_data[code] = '?';
        letters.lacking[code] = true;
        wchar_t character = 0;
        if (MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, &byte, 1, &character, 1) == 1) {
            wchar_t lower = character;
            unsigned char lower_byte = 0;
            if (LCMapStringW(LOCALE_INVARIANT, LCMAP_LOWERCASE, &character, 1, &lower, 1) == 1 &&
                byte_of(code_page, lower, lower_byte))
                letters.lower[code] = lower_byte;
        }
        wchar_t data_character = 0;
        if (MultiByteToWideChar(1252, 0, &byte, 1, &data_character, 1) == 1 &&
            byte_of(code_page, data_character, letters.of_data[code]))
            letters.lacking[code] = false;
        else
            letters.of_data[code] = '?';
    }
    return letters;
}

code_page_letters letters_of_system() {
    return letters_of_code_page(GetACP());
}
