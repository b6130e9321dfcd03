#include "phone/operator_table.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int value : values) {
        out.push_back(static_cast<char>(value));
    }
    return out;
}

std::string record(const std::string& key, const std::string& name) {
    return key + static_cast<char>(name.size()) + name;
}

// The block as the phone read fills it: the table, then zero bytes up to the read limit.
std::string zero_filled(std::string table) {
    table.resize(operator_table_read_limit, '\0');
    return table;
}

// count records with distinct keys (some holding zero bytes) and names of name_length bytes.
std::string table_of(int count, int name_length) {
    std::string table;
    for (int i = 0; i < count; ++i) {
        table += record(bytes({0x52, i & 0xFF, (i >> 8) & 0xFF, 0}), std::string(name_length, 'n'));
    }
    return table;
}

std::vector<std::string> keys_of(const std::string& table) {
    std::vector<operator_record> records;
    EXPECT_TRUE(parse_operator_table(table, records));
    std::vector<std::string> keys;
    for (const operator_record& r : records) {
        keys.push_back(r.key);
    }
    return keys;
}

// The new table holds the old keys in order, each with the new name, and nothing else.
void expect_rewritten(const std::string& image, const std::string& name) {
    const rewrite_result result = rewrite_operator_table(image, name);
    ASSERT_EQ(result.status, rewrite_status::ok);
    std::string expected;
    for (const std::string& key : keys_of(image)) {
        expected += record(key, name);
    }
    EXPECT_EQ(result.table, expected);
    EXPECT_EQ(result.record_count, static_cast<int32_t>(keys_of(image).size()));
}

TEST(OperatorTable, OneRecordGetsTheNewNameAndKeepsItsZeroKeyByte) {
    const std::string image = zero_filled(bytes({0x52, 0xF0, 0x10, 0x00, 0x03, 'M', 'T', 'S'}));
    const rewrite_result result = rewrite_operator_table(image, "Super-Line");
    ASSERT_EQ(result.status, rewrite_status::ok);
    EXPECT_EQ(result.table, bytes({0x52, 0xF0, 0x10, 0x00, 0x0A}) + "Super-Line");
    EXPECT_EQ(result.record_count, 1);
    EXPECT_EQ(result.old_table_length, 8);
    EXPECT_EQ(rewrite_operator_table(zero_filled(result.table), "Super-Line").table, result.table);
}

TEST(OperatorTable, RewritingItsOwnTableAgainChangesNothing) {
    const std::string first =
        rewrite_operator_table(
            zero_filled(table_of(300, 7) + record(bytes({0xFF, 0, 0, 0xFF}), "")), "Super-Line")
            .table;
    ASSERT_EQ(first.size(), 301u * 15);
    const rewrite_result again = rewrite_operator_table(zero_filled(first), "Super-Line");
    ASSERT_EQ(again.status, rewrite_status::ok);
    EXPECT_EQ(again.table, first);
}

TEST(OperatorTable, TableFillingTheWholeBlockKeepsAllRecords) {
    // 1000 records of 20 bytes end exactly at the read limit; the last name ends in zero bytes.
    std::string image = table_of(1000, 15);
    image.replace(image.size() - 3, 3, std::string(3, '\0'));
    ASSERT_EQ(image.size(), static_cast<size_t>(operator_table_read_limit));
    expect_rewritten(image, "Super-Line");
    EXPECT_EQ(rewrite_operator_table(image, "Super-Line").old_table_length, 20000);
}

// Only a table whose whole records reach the image's last byte may go on past the read.
TEST(OperatorTable, FillsOnlyWhenWholeRecordsReachTheEnd) {
    std::string full_ending_in_zeros = table_of(1000, 15);
    full_ending_in_zeros.replace(full_ending_in_zeros.size() - 3, 3, std::string(3, '\0'));
    const struct {
        const char* what;
        std::string image;
        bool fills;
    } cases[] = {
        {"records up to byte 20000", table_of(1000, 15), true},
        {"last name ending in zero bytes", full_ending_in_zeros, true},
        {"zero fill after the table", zero_filled(table_of(999, 15)), false},
        {"last record cut by the end", zero_filled(table_of(1000, 16)), false},
        {"all zero", std::string(operator_table_read_limit, '\0'), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(operator_table_fills(c.image), c.fills) << c.what;
    }
}

TEST(OperatorTable, KeysAreCopiedByteForByte) {
    const std::string image = zero_filled(record(bytes({0, 0, 0, 0}), "") +  // all-zero record
                                          record(bytes({0, 1, 0, 2}), "abc") +
                                          record(bytes({0xFF, 0xFF, 0xFF, 0xFF}), "x") +
                                          record(bytes({'C', 0, 0, 0}), ""));
    EXPECT_EQ(keys_of(image),
              (std::vector<std::string>{bytes({0, 0, 0, 0}), bytes({0, 1, 0, 2}),
                                        bytes({0xFF, 0xFF, 0xFF, 0xFF}), bytes({'C', 0, 0, 0})}));
    expect_rewritten(image, "Super-Line");
}

TEST(OperatorTable, EmptyNamesZeroAndFFBytesAreOrdinaryRecords) {
    struct Case {
        const char* what;
        std::string table;
        int records;
    } cases[] = {
        {"names of length 0", record("AAAA", "") + record("BBBB", "") + record("CCCC", "z"), 3},
        {"0xFF name bytes", record("AAAA", std::string(255, '\xFF')) + record("BBBB", "\xFF"), 2},
        {"zero name bytes", record("AAAA", std::string(9, '\0')) + record("BBBB", "b"), 2},
        {"length byte at the last byte of the block",
         table_of(999, 15) + record("ZZZZ", "0123456789") + record("LAST", ""), 1001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string image = zero_filled(c.table);
        const rewrite_result result = rewrite_operator_table(image, "\xFFNew\xFF");
        EXPECT_EQ(result.record_count, c.records);
        EXPECT_EQ(result.old_table_length, static_cast<int32_t>(c.table.size()));
        expect_rewritten(image, "\xFFNew\xFF");
    }
}

TEST(OperatorTable, RefusesWhatCannotBeWrittenBack) {
    const std::string one_record = zero_filled(record("AAAA", "abc"));
    // A record starting 3 bytes before the end, and one whose 16-byte name has only 15 left.
    const std::string header_past_end = table_of(999, 15) + record("ZZZZ", "0123456789ab") + "KEY";
    const std::string name_past_end =
        table_of(999, 15) + bytes({'Z', 'Z', 'Z', 'Z', 16}) + std::string(15, 'z');
    struct Case {
        const char* what;
        std::string image;
        std::string name;
        rewrite_status status;
        int longest_name;
    } cases[] = {
        {"all-zero block", zero_filled(""), "Super-Line", rewrite_status::no_table, 0},
        {"nothing read", "", "Super-Line", rewrite_status::no_table, 0},
        {"header past the end", header_past_end, "Super-Line", rewrite_status::damaged, 0},
        {"name past the end (a longer file)", name_past_end, "x", rewrite_status::damaged, 0},
        {"empty name", one_record, "", rewrite_status::empty_name, 255},
        {"name of 256 bytes", one_record, std::string(256, 'n'), rewrite_status::name_too_long,
         255},
        {"table past 20000 bytes", table_of(1000, 15), std::string(16, 'n'),
         rewrite_status::name_too_long, 15},
        {"4000 records of 5 bytes", table_of(4000, 0), "n", rewrite_status::name_too_long, 0},
        {"name of 255 bytes", one_record, std::string(255, 'n'), rewrite_status::ok, 255},
        {"table of exactly 20000 bytes", table_of(1000, 15), std::string(15, 'n'),
         rewrite_status::ok, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const rewrite_result result = rewrite_operator_table(c.image, c.name);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.longest_name, c.longest_name);
        EXPECT_EQ(result.table.empty(), c.status != rewrite_status::ok);
    }
}

TEST(OperatorTable, ParseStopsAtTheZeroFillAndReportsDamage) {
    std::vector<operator_record> records;
    EXPECT_TRUE(parse_operator_table(zero_filled(""), records));
    EXPECT_TRUE(records.empty());

    // An all-zero record at the very end cannot be told from the fill.
    const std::string table = record("AAAA", "ab") + record("BBBB", std::string(2, '\0'));
    ASSERT_TRUE(
        parse_operator_table(zero_filled(table + record(bytes({0, 0, 0, 0}), "")), records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].key, "BBBB");
    EXPECT_EQ(records[1].name, std::string(2, '\0'));

    records.assign(3, {});
    EXPECT_FALSE(parse_operator_table(table + bytes({'C', 'C', 'C', 'C', 3}) + "ab", records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "ab");
}

}  // namespace
