#include <gtest/gtest.h>

#include <string>

#include "phone/network_code.h"
#include "phone/network_names.h"

namespace {

std::string key(int b0, int b1, int b2, int b3 = 0) {
    return {static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2),
            static_cast<char>(b3)};
}

TEST(NetworkCode, KeysDecodeToTheirCodesAndBack) {
    struct {
        std::string key;
        const char* code;
    } const cases[] = {
        {key(0x52, 0xF0, 0x10), "250-01"},   // two-digit MNC: F in the high nibble
        {key(0x13, 0x00, 0x62), "310-260"},  // three-digit MNC
        {key(0x42, 0xF6, 0x18), "246-81"},
        {key(0x62, 0xF2, 0x10, 0xAB), "262-01"},  // byte 3 is not part of the code
        {key(0x00, 0x00, 0x00, 0xFF), "000-000"},
        {key(0x99, 0x99, 0x99), "999-999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(network_code_of_key(c.key), c.code) << c.code;
        EXPECT_EQ(key_of_network_code(c.code), c.key.substr(0, 3)) << c.code;
    }
}

TEST(NetworkCode, NibblesAboveNineAndShortKeysDecodeToNothing) {
    const std::string keys[] = {
        key(0x5A, 0xF0, 0x10),        // MCC digit 1
        key(0xA2, 0xF0, 0x10),        // MCC digit 2
        key(0x52, 0xFF, 0x10),        // MCC digit 3 is F
        key(0x52, 0xE0, 0x10),        // E where the third MNC digit or F belongs
        key(0x52, 0xF0, 0x1F),        // MNC digit 1
        key(0x52, 0xF0, 0xF1),        // MNC digit 2
        key(0xFF, 0xFF, 0xFF, 0xFF),  // no digit at all
        std::string("\x52\xF0", 2),   // too short
    };
    for (const std::string& k : keys)
        EXPECT_EQ(network_code_of_key(k), "") << testing::PrintToString(k);
}

TEST(NetworkCode, TextsThatAreNoCodeGiveNoKey) {
    for (const char* text :
         {"", "250", "250-1", "250-0001", "25-001", "250_01", "2a0-01", "250-0x"})
        EXPECT_EQ(key_of_network_code(text), "") << text;
}

TEST(NetworkDatabase, KnownCodesHaveTheirCountryAndAnOperator) {
    struct {
        const char* code;
        const char* country;
    } const cases[] = {
        {"250-01", "Russian Federation"},
        {"262-01", "Germany"},
        {"310-260", "United States"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(network_country(c.code), c.country) << c.code;
        EXPECT_NE(network_operator(c.code), "") << c.code;
    }
    EXPECT_EQ(network_country("262"), "Germany");
}

TEST(NetworkDatabase, UnknownAndMalformedCodesGiveEmptyTexts) {
    for (const char* code : {"001-01", "250-999", "250-001", "999-99", "", "250-", "25x-01"}) {
        EXPECT_EQ(network_operator(code), "") << code;
    }
    for (const char* code : {"001-01", "999", "", "25", "2500", "25x-01"})
        EXPECT_EQ(network_country(code), "") << code;
}

}  // namespace
