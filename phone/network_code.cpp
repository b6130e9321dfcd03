#include "phone/network_code.h"

namespace {

constexpr unsigned filler = 0xF;  // the third MNC digit of a two-digit MNC

unsigned nibble(const std::string& key, int byte, bool high) {
    const unsigned value = static_cast<unsigned char>(key[byte]);
    return high ? value >> 4 : value & 0xF;
}

bool is_digits(const std::string& text, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string network_code_of_key(const std::string& key) {
    if (key.size() < 3)
        return std::string();
    const unsigned digits[] = {nibble(key, 0, false), nibble(key, 0, true), nibble(key, 1, false),
                               nibble(key, 2, false), nibble(key, 2, true), nibble(key, 1, true)};
    std::string code;
    for (int i = 0; i < 6; ++i) {
        if (i == 5 && digits[i] == filler)
            break;
        if (digits[i] > 9)
            return std::string();
        if (i == 3)
            code += '-';
        code += static_cast<char>('0' + digits[i]);
    }
    return code;
}

std::string key_of_network_code(const std::string& code) {
    if ((code.size() != 6 && code.size() != 7) || code[3] != '-' || !is_digits(code, 0, 3) ||
        !is_digits(code, 4, code.size() - 4))
        return std::string();
    auto digit = [&](size_t i) { return static_cast<unsigned>(code[i] - '0'); };
    const unsigned mnc3 = code.size() == 7 ? digit(6) : filler;
    std::string key(3, '\0');
    key[0] = static_cast<char>(digit(1) << 4 | digit(0));
    key[1] = static_cast<char>(mnc3 << 4 | digit(2));
    key[2] = static_cast<char>(digit(5) << 4 | digit(4));
    return key;
}

std::string key_text(const std::string& key) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const char byte : key) {
        if (!text.empty())
            text += ' ';
        text += digits[static_cast<unsigned char>(byte) >> 4];
        text += digits[static_cast<unsigned char>(byte) & 0xF];
    }
    return text;
}

std::string key_of_text(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (hex_digit(c) < 0 || digits.size() == 8)
            return std::string();
        digits += c;
    }
    if (digits.size() != 8)
        return std::string();
    std::string key;
    for (size_t i = 0; i < 8; i += 2)
        key += static_cast<char>(hex_digit(digits[i]) << 4 | hex_digit(digits[i + 1]));
    return key;
}
