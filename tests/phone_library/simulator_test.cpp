// The phone simulator's own behaviour: files as a phone keeps them, connection, fault injection.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "phone/phone_library.h"
#include "runtime/library.h"
#include "tests/phone_library/simulated_phone.h"

namespace {

using PhoneSimulator = SimulatedPhone;

const char table_path[] = "/a/plmn_text_table.bin";

int32_t set_pointer(int32_t position, int32_t origin = 0) {
    return call_library_entry(phone_library_number, "File_SetPointer", {position, origin});
}

int32_t write_text(const std::string& bytes) {
    return file_write(reinterpret_cast<const uint8_t*>(bytes.data()),
                      static_cast<int32_t>(bytes.size()));
}

std::string pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    }
    return bytes;
}

TEST_F(PhoneSimulator, ReadGivesAtMostCountAndGoesOnFromThere) {
    p2k_init();
    std::string content = pattern(25000);
    put_phone_file(table_path, content);
    std::vector<uint8_t> buffer(20000, 0);
    ASSERT_EQ(file_create(table_path), 0);
    EXPECT_EQ(file_read(buffer.data(), 20000), 20000);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), content.substr(0, 20000));
    EXPECT_EQ(file_read(buffer.data(), 20000), 5000);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5000), content.substr(20000));
    EXPECT_EQ(file_read(buffer.data(), 20000), 0);
}

TEST_F(PhoneSimulator, ReadLeavesTheRestOfTheBufferUntouched) {
    for (const char* short_read : {static_cast<const char*>(nullptr), "7"}) {
        SCOPED_TRACE(short_read ? short_read : "no short read");
        set_variable("P2KSIM_SHORT_READ", short_read);
        reset();
        p2k_init();
        put_phone_file(table_path, "0123456789");
        std::vector<uint8_t> buffer(100, 0xAA);
        ASSERT_EQ(file_create(table_path), 0);
        int32_t expected = short_read ? 7 : 10;
        EXPECT_EQ(file_read(buffer.data(), 100), expected);
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + expected),
                  std::string("0123456789", expected));
        EXPECT_EQ(std::count(buffer.begin() + expected, buffer.end(), 0xAA), 100 - expected);
    }
}

TEST_F(PhoneSimulator, WriteGoesToThePositionAndStraightToTheFile) {
    p2k_init();
    put_phone_file(table_path, "ABCDEFGH");
    ASSERT_EQ(file_create(table_path), 0);
    EXPECT_EQ(set_pointer(3), 0);
    EXPECT_EQ(write_text("xy"), 2);
    EXPECT_EQ(phone_file(table_path), "ABCxyFGH");  // before the file is closed
    std::vector<uint8_t> rest(3);
    EXPECT_EQ(file_read(rest.data(), 3), 3);
    EXPECT_EQ(std::string(rest.begin(), rest.end()), "FGH");
    EXPECT_EQ(set_pointer(7), 0);
    EXPECT_EQ(write_text("1234"), 4);
    EXPECT_EQ(phone_file(table_path), "ABCxyFG1234");
    EXPECT_EQ(file_close(), 0);
}

TEST_F(PhoneSimulator, CreateOpensWithoutTruncatingAndMakesMissingFiles) {
    p2k_init();
    put_phone_file(table_path, "ABCDEFGH");
    ASSERT_EQ(file_create(table_path), 0);
    EXPECT_EQ(write_text("ab"), 2);
    EXPECT_EQ(phone_file(table_path), "abCDEFGH");

    EXPECT_EQ(file_create("/a/new.bin"), 0);
    EXPECT_TRUE(std::filesystem::exists(host_file("/a/new.bin")));
    EXPECT_EQ(std::filesystem::file_size(host_file("/a/new.bin")), 0u);
    EXPECT_EQ(file_create("/missing_folder/new.bin"), -1);
}

TEST_F(PhoneSimulator, DeleteRemovesTheFile) {
    p2k_init();
    put_phone_file(table_path, "ABC");
    EXPECT_EQ(file_delete(table_path), 0);
    EXPECT_FALSE(std::filesystem::exists(host_file(table_path)));
    EXPECT_EQ(file_delete(table_path), -1);
}

TEST_F(PhoneSimulator, NoCurrentFileIsAHarmlessFailure) {
    p2k_init();
    std::vector<uint8_t> buffer(4, 0xAA);
    EXPECT_EQ(set_pointer(0), -1);
    EXPECT_EQ(file_read(buffer.data(), 4), -1);
    EXPECT_EQ(write_text("x"), -1);
    EXPECT_EQ(file_close(), -1);
    ASSERT_EQ(file_create(table_path), 0);
    EXPECT_EQ(file_close(), 0);
    EXPECT_EQ(file_close(), -1);
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 0xAA), 4);
}

TEST_F(PhoneSimulator, PathsOutsideThePhoneAreRefused) {
    p2k_init();
    put_phone_file("/a/keep.bin", "keep");
    const char* paths[] = {
        "/../outside.bin",
        "/a/../../outside.bin",
        "a/plmn_text_table.bin",
        "/a\\..\\..\\outside.bin",
        "/C:/outside.bin",
        "//outside.bin",
        "/a/",
        "/a/./keep.bin",
        "/a/keep.bin.",
        "",
        "/a/\"q\".bin",
    };
    for (const char* path : paths) {
        EXPECT_EQ(file_create(path), -1) << path;
        EXPECT_EQ(file_delete(path), -1) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "outside.bin"));
    EXPECT_EQ(phone_file("/a/keep.bin"), "keep");
    EXPECT_EQ(log_lines()[1], "File_Create(\"/../outside.bin\", 4) = -1");
    EXPECT_EQ(log_lines().back(), "File_Delete(\"/a/\\\"q\\\".bin\", 4) = -1");
    EXPECT_EQ(call_library_entry(phone_library_number, "File_Create", {0, 4}), -1);
    EXPECT_EQ(log_lines().back(), "File_Create(NULL, 4) = -1");
}

TEST_F(PhoneSimulator, FileEntriesFailWhileNotConnected) {
    put_phone_file(table_path, "ABC");
    EXPECT_EQ(file_create("/a/new.bin"), -1);
    EXPECT_FALSE(std::filesystem::exists(host_file("/a/new.bin")));
    EXPECT_EQ(file_delete(table_path), -1);
    EXPECT_EQ(phone_file(table_path), "ABC");
    EXPECT_EQ(p2k_restart(), -1);
}

// One fixed run of calls; each case sets the simulator's variables and gives the results.
struct connection_case {
    const char* name;
    const char* variable;
    const char* value;
    std::vector<int32_t> results;  // status, init, status, create, read, close, restart, status
};

class PhoneConnection : public SimulatedPhone,
                        public ::testing::WithParamInterface<connection_case> {};

TEST_P(PhoneConnection, Run) {
    const connection_case& c = GetParam();
    set_variable(c.variable, c.value);
    reset();
    put_phone_file(table_path, "0123456789");
    std::vector<uint8_t> buffer(100, 0xAA);
    std::vector<int32_t> results = {
        p2k_get_status(),
        p2k_init(),
        p2k_get_status(),
        file_create(table_path),
        file_read(buffer.data(), 100),
        file_close(),
        p2k_restart(),
        p2k_get_status(),
    };
    EXPECT_EQ(results, c.results);
    int32_t read = c.results[4] < 0 ? 0 : c.results[4];
    EXPECT_EQ(std::count(buffer.begin() + read, buffer.end(), 0xAA), 100 - read);

    std::vector<std::string> lines = log_lines();
    ASSERT_EQ(lines.size(), results.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string ending = " = " + std::to_string(c.results[i]);
        EXPECT_EQ(lines[i].substr(lines[i].size() - ending.size()), ending) << lines[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Simulator, PhoneConnection,
    ::testing::Values(
        connection_case{"plain", "P2KSIM_STATUS", nullptr, {0, 0, 1, 0, 10, 0, 0, 0}},
        connection_case{"status_2", "P2KSIM_STATUS", "2", {0, 0, 2, 0, 10, 0, 0, 0}},
        connection_case{"connected_from_start", "P2KSIM_CONNECTED", "1", {1, 0, 1, 0, 10, 0, 0, 0}},
        // The cable comes out after the third call: that one still works, nothing after it.
        connection_case{"pulled_after_3", "P2KSIM_PULL_AFTER", "3", {0, 0, 1, -1, -1, -1, -1, 0}},
        connection_case{"pulled_after_5", "P2KSIM_PULL_AFTER", "5", {0, 0, 1, 0, 10, -1, -1, 0}},
        connection_case{"pulled_then_init", "P2KSIM_PULL_AFTER", "0", {0, 0, 1, 0, 10, 0, 0, 0}},
        connection_case{
            "first_read_fails", "P2KSIM_FAIL", "File_Read:1", {0, 0, 1, 0, -1, 0, 0, 0}},
        connection_case{
            "second_status_fails", "P2KSIM_FAIL", "P2K_GetStatus:2", {0, 0, -1, 0, 10, 0, 0, 0}},
        connection_case{"init_fails", "P2KSIM_FAIL", "P2K_Init:1", {0, -1, 0, -1, -1, -1, -1, 0}},
        connection_case{"create_and_close_fail",
                        "P2KSIM_FAIL",
                        "File_Create:1,File_Close:1",
                        {0, 0, 1, -1, -1, -1, 0, 0}},
        connection_case{"only_a_second_read_would_fail",
                        "P2KSIM_FAIL",
                        "File_Read:2",
                        {0, 0, 1, 0, 10, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<connection_case>& info) {
        return std::string(info.param.name);
    });

TEST_F(PhoneSimulator, AFailingCallHasNoEffect) {
    set_variable("P2KSIM_FAIL", "File_Write:1,File_Delete:1");
    set_variable("P2KSIM_CONNECTED", "1");
    reset();
    put_phone_file(table_path, "ABC");
    EXPECT_EQ(file_delete(table_path), -1);
    EXPECT_EQ(phone_file(table_path), "ABC");
    ASSERT_EQ(file_create(table_path), 0);
    EXPECT_EQ(write_text("xyz"), -1);
    EXPECT_EQ(phone_file(table_path), "ABC");
    EXPECT_EQ(write_text("xyz"), 3);  // the second call works
    EXPECT_EQ(phone_file(table_path), "xyz");
}

TEST_F(PhoneSimulator, ResetReadsTheVariablesAgainAndStartsOver) {
    p2k_init();
    ASSERT_EQ(p2k_get_status(), 1);
    set_variable("P2KSIM_FAIL", "P2K_GetStatus:1");
    reset();
    EXPECT_EQ(p2k_get_status(), -1);  // counted from the reset, and P2K mode is gone
    EXPECT_EQ(p2k_get_status(), 0);
    reset();
    EXPECT_EQ(p2k_get_status(), -1);
    set_variable("P2KSIM_FAIL", nullptr);
    set_variable("P2KSIM_CONNECTED", "1");
    reset();
    EXPECT_EQ(p2k_get_status(), 1);
}

TEST_F(PhoneSimulator, VariablesAreReadWhenTheLibraryIsLoaded) {
    set_variable("P2KSIM_CONNECTED", "1");
    set_variable("P2KSIM_STATUS", "5");
    open_library(phone_library_number, "no_such_library_kt.dll");
    ASSERT_EQ(GetModuleHandleA(phone_library_name), nullptr);
    ASSERT_NE(open_library(phone_library_number, phone_library_name), 0);
    EXPECT_EQ(p2k_get_status(), 5);
}

}  // namespace
