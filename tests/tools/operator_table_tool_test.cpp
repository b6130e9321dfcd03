#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "phone/name_sheet.h"
#include "phone/network_names.h"
#include "phone/operator_table.h"
#include "runtime/code_page_1252.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char block[4096];
        size_t got;
        while ((got = std::fread(block, 1, sizeof block, f)) > 0)
            bytes.append(block, got);
        std::fclose(f);
    }
    return bytes;
}

void write_file(const fs::path& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (const char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct run_result {
    int status;
    std::string out;
    std::string err;
};

// The sample table: two records of 250-01, a key that decodes to no network, byte 3 set.
const std::vector<operator_record> sample = {
    {"\x52\xF0\x10\x00", "MTS"},
    {std::string("\x62\xF2\x10\x00", 4), "Telekom"},
    {std::string("\x13\x00\x62\x07", 4), "T-Mobile"},
    {std::string("\xFF\xFF\xFF\xFF", 4), ""},
    {std::string("\x52\xF0\x10\x01", 4), "MTS\tbis"},
};

class OperatorTableTool : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kt-tool-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        write_file(dir / "table.bin", format_operator_table(sample));
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the tool from the folder with the arguments.
    run_result run(const std::vector<std::string>& args) {
        std::string command = "cd " + quoted(dir.string()) + " && " + quoted(KT_TOOL);
        for (const std::string& arg : args)
            command += " " + quoted(arg);
        const fs::path out = dir.parent_path() / (dir.filename().string() + ".out");
        const fs::path err = dir.parent_path() / (dir.filename().string() + ".err");
        const int status = std::system(
            (command + " >" + quoted(out.string()) + " 2>" + quoted(err.string())).c_str());
        run_result result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(out),
                          read_file(err)};
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    std::vector<operator_record> records_of(const std::string& name) {
        std::vector<operator_record> records;
        EXPECT_TRUE(parse_operator_table(read_file(dir / name), records)) << name;
        return records;
    }

    size_t file_count() { return std::distance(fs::directory_iterator(dir), {}); }

    fs::path dir;
};

TEST_F(OperatorTableTool, ListShowsThePageColumnsOfEachRecordWithOrWithoutZeroFill) {
    const std::string expected = "MTS\t250-01\tRussian Federation\t" + network_operator("250-01") +
                                 "\t52 F0 10 00\n"
                                 "Telekom\t262-01\tGermany\t" +
                                 network_operator("262-01") +
                                 "\t62 F2 10 00\n"
                                 "T-Mobile\t310-260\tUnited States\t" +
                                 network_operator("310-260") +
                                 "\t13 00 62 07\n"
                                 "\t\t\t\tFF FF FF FF\n"
                                 "MTS\\x09bis\t250-01\tRussian Federation\t" +
                                 network_operator("250-01") + "\t52 F0 10 01\n";
    run_result r = run({"list", "table.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);

    write_file(dir / "filled.bin", format_operator_table(sample) + std::string(19000, '\0'));
    r = run({"list", "filled.bin"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(run({"check", "filled.bin"}).status, 0);
}

TEST_F(OperatorTableTool, RenameAllGivesEveryRecordTheNameAndKeepsKeysAndOrder) {
    const run_result r = run({"rename-all", "table.bin", "Home", "out.bin"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<operator_record> expected = sample;
    for (operator_record& record : expected)
        record.name = "Home";
    EXPECT_EQ(read_file(dir / "out.bin"), format_operator_table(expected));
    EXPECT_EQ(read_file(dir / "table.bin"), format_operator_table(sample));
    EXPECT_EQ(file_count(), 2u);
}

TEST_F(OperatorTableTool, RenameNamesEveryRecordOfTheNetworkInCodePage1252) {
    const run_result r = run({"rename", "table.bin", "250-01", "R\xC3\xA9seau", "out.bin"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<operator_record> expected = sample;
    expected[0].name = expected[4].name = "R\xE9seau";
    EXPECT_EQ(read_file(dir / "out.bin"), format_operator_table(expected));
    EXPECT_EQ(run({"list", "out.bin"}).out.substr(0, 15), "R\xC3\xA9seau\t250-01\t");
    EXPECT_EQ(run({"check", "out.bin"}).status, 0);
}

TEST_F(OperatorTableTool, ExportWritesTheNamesSheetAndImportRenamesAfterOne) {
    run_result r = run({"export", "table.bin", "names.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Exported 5 networks to names.csv.\n");
    EXPECT_EQ(read_file(dir / "names.csv"), format_name_sheet(sample, utf8_of_code_page_1252));
    write_file(dir / "edited.csv", "Key;Name on phone\n52 F0 10 01;R\xC3\xA9seau\n");
    r = run({"import", "table.bin", "edited.csv", "out.bin"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Renamed 1 of 5 networks into out.bin.\n");
    std::vector<operator_record> expected = sample;
    expected[4].name = "R\xE9seau";
    EXPECT_EQ(read_file(dir / "out.bin"), format_operator_table(expected));
}

// Every network, a country (MCC) or one network (MCC-MNC) named after its operator; networks
// the data does not know keep their names.
TEST_F(OperatorTableTool, UseOperatorNamesNamesTheNetworksOfTheCodes) {
    const std::string mts = network_operator("250-01"), telekom = network_operator("262-01"),
                      us = network_operator("310-260");
    const struct {
        std::vector<std::string> codes;
        std::vector<std::string> names;
        const char* said;
    } cases[] = {
        {{}, {mts, telekom, us, "", mts}, "Named 4 of 5"},
        {{"250"}, {mts, "Telekom", "T-Mobile", "", mts}, "Named 2 of 5"},
        {{"262-01", "310-260"}, {"MTS", telekom, us, "", "MTS\tbis"}, "Named 2 of 5"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"use-operator-names", "table.bin", "out.bin"};
        args.insert(args.end(), c.codes.begin(), c.codes.end());
        const run_result r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, std::string(c.said) + " networks into out.bin.\n");
        std::vector<operator_record> expected = sample;
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i].name = c.names[i];
        EXPECT_EQ(read_file(dir / "out.bin"), format_operator_table(expected));
        std::filesystem::remove(dir / "out.bin");
    }
}

TEST_F(OperatorTableTool, MakeAndPrintStillServeTheDemo) {
    write_file(dir / "list.txt", "# comment\r\n250 01 MTS\r\n310 260 T-Mobile US\n");
    ASSERT_EQ(run({"make", "list.txt", "made.bin"}).status, 0);
    EXPECT_EQ(read_file(dir / "made.bin"),
              format_operator_table({{"\x52\xF0\x10\x00", "MTS"},
                                     {std::string("\x13\x00\x62\x00", 4), "T-Mobile US"}}));
    EXPECT_EQ(run({"print", "made.bin"}).out, "250 01  MTS\n310 260 T-Mobile US\n");
}

TEST_F(OperatorTableTool, BadInputIsRefusedWithAMessageAndWritesNothing) {
    write_file(dir / "damaged.bin",
               format_operator_table(sample) + std::string("\x52\xF0\x10\x00\x09MT", 7));
    write_file(dir / "zeros.bin", std::string(20000, '\0'));
    write_file(dir / "empty.bin", "");
    write_file(dir / "exists.bin", "keep");
    write_file(dir / "bad.csv", "Key,Name on phone\r\n52F0,X\r\n");
    // Records of 6 bytes: 1000 of them take 6000 bytes, 4000 too many.
    const operator_record small = {"\x52\xF0\x10\x00", "a"};
    write_file(dir / "many.bin", format_operator_table(std::vector<operator_record>(1000, small)));
    write_file(dir / "big.bin", format_operator_table(std::vector<operator_record>(4000, small)));
    const std::string long_name(256, 'n');
    struct {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"list", "missing.bin"}, "can't read missing.bin"},
        {{"check", "damaged.bin"}, "damaged.bin doesn't look like operator table: the record at"},
        {{"check", "zeros.bin"}, "zeros.bin doesn't look like operator table: it holds no records"},
        {{"check", "empty.bin"}, "holds no records"},
        {{"check", "big.bin"}, "Table is 24000 bytes, the phone takes at most 20000."},
        {{"rename-all", "damaged.bin", "X", "out.bin"}, "doesn't look like operator table"},
        {{"rename-all", "table.bin", long_name, "out.bin"},
         "The name is 256 bytes, the phone takes at most 255."},
        {{"rename-all", "table.bin", "", "out.bin"}, "The name is empty."},
        {{"rename-all", "table.bin", "\xD0\x96", "out.bin"}, "code page 1252"},
        {{"rename-all", "many.bin", "twenty bytes of name", "out.bin"},
         "Table is 25000 bytes, the phone takes at most 20000."},
        {{"rename-all", "table.bin", "X", "exists.bin"}, "exists.bin already exists"},
        {{"rename", "table.bin", "999-01", "X", "out.bin"}, "table.bin holds no network 999-01."},
        {{"rename", "table.bin", "250-1", "X", "out.bin"}, "250-1 is not a network code"},
        {{"rename", "table.bin", "250-01", "X", "exists.bin"}, "already exists"},
        {{"export", "table.bin", "exists.bin"}, "exists.bin already exists"},
        {{"import", "table.bin", "missing.csv", "out.bin"}, "can't read missing.csv"},
        {{"import", "table.bin", "bad.csv", "out.bin"},
         "bad.csv, line 2: the key is not four bytes in hex. Nothing was written."},
        {{"use-operator-names", "table.bin", "out.bin", "250", "25-01"},
         "25-01 is not a network code (MCC or MCC-MNC). Nothing was written."},
        {{"use-operator-names", "table.bin", "exists.bin"}, "exists.bin already exists"},
    };
    const size_t files = file_count();
    for (const auto& c : cases) {
        const run_result r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.args[0] << " " << c.args[1];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(file_count(), files);
    EXPECT_EQ(read_file(dir / "exists.bin"), "keep");

    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"list"},
                                                 {"rename", "table.bin", "X", "out.bin"},
                                                 {"import", "table.bin", "out.bin"},
                                                 {"frob", "x"}}) {
        const run_result r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("usage: ", 0), 0u) << r.err;
    }
}

}  // namespace
