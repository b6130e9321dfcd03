// Texts: building with the zero rule, length, first code, substrings.
#include "runtime/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One building step: a piece is either a text or a character code.
struct piece {
    bool is_char;
    int32_t code;
    std::string text;
};

piece chr(int32_t code) {
    return {true, code, ""};
}
piece txt(const std::string& text) {
    return {false, 0, text};
}

std::string build(const std::vector<piece>& pieces) {
    text_builder b;
    for (const piece& p : pieces) {
        if (p.is_char) {
            append_char(b, p.code);
        } else {
            append_text(b, p.text);
        }
    }
    return built_text(b);
}

TEST(TextBuilder, AppendsTextsAndCodes) {
    struct {
        std::vector<piece> pieces;
        std::string expected;
    } cases[] = {
        {{}, ""},
        {{txt(""), txt("")}, ""},
        {{txt("Wait "), txt("12"), txt(" s")}, "Wait 12 s"},
        {{txt("line"), chr(10), txt("next")}, "line\nnext"},
        {{chr(321)}, "A"},
        {{chr(-1)}, "\xff"},
        {{chr(-191)}, "A"},  // -191 = 65 - 256
        {{chr(255)}, "\xff"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(build(c.pieces), c.expected) << "expected \"" << c.expected << "\"";
    }
}

TEST(TextBuilder, ZeroCodeEndsTheText) {
    struct {
        std::vector<piece> pieces;
        std::string expected;
    } cases[] = {
        {{chr('A'), chr('B'), chr(0), chr('C'), chr('D')}, "AB"},
        {{txt("AB"), chr(0), txt("CD")}, "AB"},
        {{txt("AB"), chr(256), chr('C')}, "AB"},
        {{txt("AB"), chr(-256), chr('C')}, "AB"},
        {{chr(0), txt("CD")}, ""},
        {{txt("AB"), chr(0), chr(0), chr('C')}, "AB"},
        // A zero byte slipped into a text acts like the zero code.
        {{txt("AB"), txt(std::string("C\0D", 3)), txt("E")}, "ABC"},
    };
    for (const auto& c : cases) {
        std::string got = build(c.pieces);
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(got.find('\0'), std::string::npos);
    }
}

TEST(Text, LengthAndFirstCode) {
    std::string unset;
    EXPECT_EQ(text_length(unset), 0);
    EXPECT_EQ(char_code(unset), 0);
    EXPECT_EQ(text_length("abc"), 3);
    EXPECT_EQ(char_code("abc"), 97);
    EXPECT_EQ(char_code("\xffz"), 255);
    EXPECT_EQ(char_code("\x80"), 128);
    EXPECT_EQ(text_length(std::string(63999, 'x')), 63999);
}

TEST(Text, Substring) {
    struct {
        std::string text;
        int32_t start;
        int32_t length;
        std::string expected;
    } cases[] = {
        {"abc", 2, 10, "bc"},
        {"abc", 1, 3, "abc"},
        {"abc", 0, 2, "ab"},
        {"abc", -5, 2, "ab"},
        {"abc", INT32_MIN, 1, "a"},
        {"abc", 3, 1, "c"},
        {"abc", 4, 1, ""},
        {"abc", 5, 1, ""},
        {"abc", INT32_MAX, INT32_MAX, ""},
        {"abc", 2, INT32_MAX, "bc"},
        {"abc", 3, 0, ""},
        {"abc", 1, -1, ""},
        {"abc", 1, INT32_MIN, ""},
        {"", 1, 1, ""},
        {"\xff\x01z", 2, 1, "\x01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(substring(c.text, c.start, c.length), c.expected)
            << "substring(\"" << c.text << "\", " << c.start << ", " << c.length << ")";
    }
}

}  // namespace
