// Code page 1252 and UTF-8 on consoles other than Windows'. The five bytes that 1252 leaves
// undefined (81, 8D, 8F, 90, 9D) stand for the control characters of the same number, as
// Windows converts them, so that every byte has a character and back.
#include <cstdint>

#include "tools/console_text.h"

namespace {

// The characters of bytes 80 to 9F; A0 to FF are the characters of the same number.
constexpr uint16_t characters_80_to_9f[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next character of UTF-8 text from at; false for a malformed or overlong sequence.
bool next_utf8(const std::string& text, size_t& at, uint32_t& c) {
    const unsigned first = static_cast<unsigned char>(text[at++]);
    int more = -1;
    if (first < 0x80)
        more = 0;
    else if (first >= 0xC2 && first < 0xE0)
        more = 1;
    else if (first >= 0xE0 && first < 0xF0)
        more = 2;
    else if (first >= 0xF0 && first < 0xF5)
        more = 3;
    if (more < 0)
        return false;
    c = more == 0 ? first : first & (0x3F >> more);
    for (int i = 0; i < more; ++i, ++at) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return false;
        c = c << 6 | (static_cast<unsigned char>(text[at]) & 0x3F);
    }
    return (more < 2 || c >= (more == 2 ? 0x800u : 0x10000u)) && c <= 0x10FFFF;
}

bool byte_of_character(uint32_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    for (unsigned i = 0; i < 32; ++i) {
        if (characters_80_to_9f[i] == c) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string console_of_ansi(const std::string& ansi) {
    std::string out;
    for (const char byte : ansi) {
        const unsigned b = static_cast<unsigned char>(byte);
        append_utf8(out, b >= 0x80 && b < 0xA0 ? characters_80_to_9f[b - 0x80] : b);
    }
    return out;
}

bool ansi_of_console(const std::string& text, std::string& ansi) {
    ansi.clear();
    size_t at = 0;
    while (at < text.size()) {
        uint32_t c = 0;
        char byte = 0;
        if (!next_utf8(text, at, c) || !byte_of_character(c, byte))
            return false;
        ansi += byte;
    }
    return true;
}
