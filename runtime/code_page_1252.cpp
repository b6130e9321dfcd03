#include "runtime/code_page_1252.h"

#include <cstdint>

#include "runtime/utf8.h"

namespace {

// The characters of bytes 80 to 9F; A0 to FF are the characters of the same number.
constexpr uint16_t characters_80_to_9f[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

std::string utf8_of_code_page_1252(const std::string& bytes) {
    std::string out;
    for (const char byte : bytes) {
        const unsigned b = static_cast<unsigned char>(byte);
        append_utf8(out, b >= 0x80 && b < 0xA0 ? characters_80_to_9f[b - 0x80] : b);
    }
    return out;
}

bool code_page_1252_of_utf8(const std::string& text, std::string& bytes) {
    bytes.clear();
    size_t at = 0;
    while (at < text.size()) {
        uint32_t c = 0;
        char byte = 0;
        if (!next_utf8(text, at, c) || !byte_of_character(c, byte))
            return false;
        bytes += byte;
    }
    return true;
}
