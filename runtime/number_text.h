// Conversions between signed 32-bit numbers and their decimal texts. Neither fails.
#pragma once

#include <cstdint>
#include <string>

// The "%ld" form: a minus sign for negative values, digits without leading zeros.
std::string number_to_text(int32_t value);

// Reads a text as a decimal number without validating it. A leading '-' negates the
// result; every other byte b counts as the digit (b - 48) modulo 256 (a space is worth
// 240, 'a' 49), and the value wraps around modulo 2^32. The empty text gives 0.
int32_t text_to_number(const std::string& text);
