// The letters' tables the program builds from the system at start: Western as the portable
// table has it, Cyrillic with its capitals and small letters, and the network data's letters
// that a Cyrillic system lacks.
#include "runtime/code_page_letters.h"

#include <gtest/gtest.h>

#include "tests/operator_table/letters_1251.h"

namespace {

TEST(CodePageLetters, TheSystemsTablesFoldAsTheirCodePagesLettersDo) {
    const struct {
        unsigned code_page;
        code_page_letters expected;
    } cases[] = {{1252, western_letters()}, {1251, letters_1251()}};
    for (const auto& c : cases) {
        const code_page_letters built = letters_of_code_page(c.code_page);
        for (int code = 0; code < 256; ++code)
            EXPECT_EQ(built.lower[code], c.expected.lower[code]) << c.code_page << " " << code;
    }
    bool lacking = false;  // the network data's "ó" a Cyrillic system lacks, its "©" not
    EXPECT_EQ(text_of_data(letters_of_code_page(1251), "Telef\xF3nica \xA9", lacking),
              "Telef?nica \xA9");
    EXPECT_TRUE(lacking);
}

}  // namespace
