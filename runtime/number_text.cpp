// Decimal texts of signed 32-bit numbers. All arithmetic is unsigned, so wrapping
// around is defined behaviour.
#include "runtime/number_text.h"

#include <algorithm>

std::string number_to_text(int32_t value) {
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) {
        magnitude = 0u - magnitude;  // also right for -2147483648
    }
    std::string digits;
    do {
        digits += static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        digits += '-';
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

int32_t text_to_number(const std::string& text) {
    std::string::size_type i = 0;
    bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        i = 1;
    }
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        uint32_t digit = static_cast<uint8_t>(static_cast<uint8_t>(text[i]) - 48u);
        value = value * 10u + digit;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int32_t>(value);
}
