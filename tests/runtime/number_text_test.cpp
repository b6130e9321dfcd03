// Decimal texts of numbers, both ways, with the wrap-around rules of text_to_number.
#include "runtime/number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberText, NumberToText) {
    struct {
        int32_t value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {-5, "-5"},
        {10, "10"},
        {1000, "1000"},
        {-100, "-100"},
        {INT32_MAX, "2147483647"},
        {INT32_MIN, "-2147483648"},
        {INT32_MIN + 1, "-2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(number_to_text(c.value), c.expected) << "value " << c.value;
    }
}

TEST(NumberText, TextToNumber) {
    struct {
        std::string text;
        int32_t expected;
    } cases[] = {
        {"12", 12},
        {"-7", -7},
        {"", 0},
        {"-", 0},
        {"0", 0},
        {"007", 7},
        {" 5", 2405},  // a space counts as the digit 240
        {"5 ", 290},
        {"+5", 2515},
        {"1a", 59},
        {"\xff", 207},      // (255 - 48) modulo 256
        {"/", 255},         // (47 - 48) modulo 256
        {"--1", -2531},     // only the first '-' is a sign: -(253 * 10 + 1)
        {"1-", 263},        // a later '-' is the digit 253
        {"12\r", 341},      // no byte stops the conversion: 12 * 10 + 221
        {"4294967297", 1},  // wraps modulo 2^32
        {"4294967296", 0},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MAX},
        {"99999999999", 1215752191},  // 99999999999 modulo 2^32
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_to_number(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

}  // namespace
