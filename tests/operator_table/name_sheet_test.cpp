// The names' spreadsheet file: written and read back, rows found by key, refusals.
#include "phone/name_sheet.h"

#include <gtest/gtest.h>

#include "phone/network_names.h"
#include "runtime/code_page_1252.h"

namespace {

// Two records of 250-01, one of no network with an empty name, and names of every byte value.
std::vector<operator_record> sample() {
    std::string low, high;
    for (int b = 0; b < 256; ++b)
        (b < 128 ? low : high) += static_cast<char>(b);
    return {{std::string("\x52\xF0\x10\x00", 4), "MTS"},
            {"\xFF\xFF\xFF\xFF", ""},
            {std::string("\x13\x00\x62\x07", 4), low},
            {std::string("\x52\xF0\x10\x00", 4), high}};
}

name_sheet_result apply_sheet(const std::string& sheet,
                              const std::vector<operator_record>& records) {
    return apply_name_sheet(sheet, "names.csv", records, code_page_1252_of_utf8);
}

TEST(NameSheet, ItsOwnFileRenamesNothingAndAnEditedNameRenamesItsRecord) {
    std::vector<operator_record> records = sample();
    const std::string sheet = format_name_sheet(records, utf8_of_code_page_1252);
    const std::string start =
        "\xEF\xBB\xBFName on phone,Network,Country,Operator,Key\r\n"
        "MTS,250-01,Russian Federation," +
        network_operator("250-01") + ",52 F0 10 00\r\n,,,,FF FF FF FF\r\n";
    EXPECT_EQ(sheet.substr(0, start.size()), start);
    name_sheet_result result = apply_sheet(sheet, records);
    ASSERT_EQ(result.refusal, "");
    EXPECT_EQ(format_operator_table(result.records), format_operator_table(records));
    EXPECT_EQ(result.renamed, 0u);

    const size_t mts = sheet.find("\nMTS,") + 1;
    result = apply_sheet(
        sheet.substr(0, mts) + "\"R\xC3\xA9seau, \"\"1\"\"\"" + sheet.substr(mts + 3), records);
    ASSERT_EQ(result.refusal, "");
    EXPECT_EQ(result.renamed, 1u);
    records[0].name = "R\xE9seau, \"1\"";
    EXPECT_EQ(format_operator_table(result.records), format_operator_table(records));
}

TEST(NameSheet, RowsSortedWithSemicolonsAndLeftOutNameTheirRecordsByKeyAndPlace) {
    const name_sheet_result result = apply_sheet(
        "Operator;\"Key\";Name on phone;x\n"
        "\n"
        "T;13006207;\"Two\nlines; yes\"\n"
        ";52 f0 10 00;First\n"
        ";ff ff ff ff;\n",
        sample());
    ASSERT_EQ(result.refusal, "");
    std::vector<operator_record> expected = sample();
    expected[2].name = "Two\nlines; yes";
    expected[0].name = "First";
    EXPECT_EQ(result.renamed, 2u);
    EXPECT_EQ(format_operator_table(result.records), format_operator_table(expected));
}

TEST(NameSheet, EachFaultIsRefusedWithTheFileLineAndWhatIsWrong) {
    const std::string head = "Key,Name on phone\r\n";
    const struct {
        std::string sheet;
        const char* message;
    } cases[] = {
        {"Name,Key\r\n52F01000,X\r\n",
         "line 1: no header row with the columns \"Key\" and \"Name on phone\""},
        {head + "52F010,X\r\n", "line 2: the key is not four bytes in hex"},
        {head + "52F0100000,X\r\n", "line 2: the key is not four bytes in hex"},
        {head + "\r\n99999999,X\r\n", "line 3: the table has no network with the key 99 99 99 99"},
        {head + "52F01000,A\r\n52F01000,B\r\n52F01000,C\r\n",
         "line 4: more rows have the key 52 F0 10 00 than the table has networks"},
        {head + "52F01000,\r\n", "line 2: the name is empty"},
        {head + "52F01000," + std::string(256, 'n'),
         "line 2: the name is 256 bytes, the phone takes at most 255"},
        {head + "52F01000,\xD0\x96\r\n",
         "line 2: the name has a character that the code page lacks"},
        {head + "13006207,\"two\r\nlines\"\r\n52F01000,\"open\r\n",
         "line 4: the quotes do not close"},
        {"\"Key,Name on phone\r\n", "line 1: the quotes do not close"},
        {head + "52F01000,A\r\n13006207,\xC3(\r\n", "line 3: the file is not UTF-8 text"},
        {"\xFF\xFE" + head, "line 1: the file is not UTF-8 text"},
        {"\r\n\nName,Key\r\n", "line 3: no header row with the columns \"Key\" and \"Name on phone\""},
        {"\n\n" + head + "52F010,X\r\n", "line 4: the key is not four bytes in hex"},
        // A quote inside a header field is a plain character: the file is split at semicolons.
        {"a\"b;Key;Name on phone\n;52F010;X\n", "line 2: the key is not four bytes in hex"},
    };
    const std::vector<operator_record> records = sample();
    for (const auto& c : cases) {
        const name_sheet_result result = apply_sheet(c.sheet, records);
        EXPECT_EQ(result.refusal, "names.csv, " + std::string(c.message) + ".") << c.sheet;
        EXPECT_TRUE(result.records.empty());
        EXPECT_EQ(format_operator_table(records), format_operator_table(sample()));
    }
}

}  // namespace
