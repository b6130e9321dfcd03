// Patch on a connected phone: what reaches the phone and in which order, what the window
// shows, and the backup it keeps; and Patch's answers when the phone is not connected.
#include "tests/app/app_test_support.h"

#include <regex>
#include <set>

#include "phone/patch.h"
#include "runtime/number_text.h"
#include "ui/control.h"

namespace {

using patch_test = app_test;

std::vector<std::string> successful_patch_calls(size_t written) {
    const std::string create = "File_Create(\"/a/plmn_text_table.bin\", 4)";
    return {"P2K_GetStatus()",
            create,
            "File_SetPointer(0, 0)",
            "File_Read(ADDR, 20000)",
            "File_Close()",
            "P2K_GetStatus()",
            "File_Delete(\"/a/plmn_text_table.bin\", 4)",
            "File_SetPointer(0, 0)",
            create,
            "File_Write(ADDR, " + std::to_string(written) + ")",
            "File_Close()",
            create,
            "File_SetPointer(0, 0)",
            "File_Read(ADDR, 20000)",
            "File_Close()"};
}

TEST_F(patch_test, WritesEveryRecordWithTheNewNameAndKeepsTheOldTable) {
    const std::string old_table = table_bytes(sample_records());
    const std::string new_table = table_bytes(renamed(sample_records(), "Super-Line"));
    connected_phone_with(old_table);

    run_patch();

    EXPECT_EQ(log_calls(), successful_patch_calls(new_table.size()));
    EXPECT_EQ(phone_table(), new_table);
    EXPECT_EQ(get_control_state(step_bar), 100);
    EXPECT_EQ(get_control_state(overall_bar), 300);
    EXPECT_EQ(status_text(), success_status);
    EXPECT_TRUE(boxes().empty());
    const auto saved = backups();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(std::regex_match(saved[0].first, std::regex(R"(plmn_text_table-\d{8}-\d{6}\.bin)")))
        << saved[0].first;
    EXPECT_EQ(saved[0].second, old_table);  // the records, without the zero fill of the read
}

// Backups that already carry this second's name (or any of the next seconds') stay as they
// are: the new one gets a name of its own.
TEST_F(patch_test, BackupNeverOverwritesAnEarlierOneOfTheSameSecond) {
    const std::string old_table = table_bytes(numbered_records(5, "Op"));
    connected_phone_with(old_table);
    std::filesystem::create_directories(backup_folder());
    std::set<std::string> earlier;
    for (int second = -1; second <= 15; ++second) {
        const std::string name = "plmn_text_table-" + time_stamp(second) + ".bin";
        write_file(backup_folder() / name, "earlier " + name);
        earlier.insert(name);
    }

    run_patch();

    ASSERT_EQ(status_text(), success_status);
    std::vector<std::pair<std::string, std::string>> made;
    for (const auto& [name, content] : backups()) {
        if (earlier.count(name))
            EXPECT_EQ(content, "earlier " + name);
        else
            made.emplace_back(name, content);
    }
    ASSERT_EQ(made.size(), 1u);
    std::smatch name;
    ASSERT_TRUE(std::regex_match(made[0].first, name,
                                 std::regex(R"((plmn_text_table-\d{8}-\d{6})-2\.bin)")))
        << made[0].first;
    EXPECT_TRUE(earlier.count(name[1].str() + ".bin")) << made[0].first;
    EXPECT_EQ(made[0].second, old_table);
}

// The name is taken from the field again after the first progress run: what was typed then is
// written (a single blank is a name like any other).
TEST_F(patch_test, TextTypedDuringTheFirstRunIsWhatIsWritten) {
    connected_phone_with(table_bytes(sample_records()));
    std::string status_when_typed;
    run_from_polls([&] {
        status_when_typed = status_text();
        type_name(" ");
        return true;
    });

    run_patch();

    EXPECT_EQ(status_when_typed, "Patching...");
    EXPECT_EQ(status_text(), success_status);
    EXPECT_EQ(phone_table(), table_bytes(renamed(sample_records(), " ")));
}

TEST_F(patch_test, NotConnectedAtTheFirstCheckAsksThePhoneNothingElse) {
    put_phone_table(table_bytes(sample_records()));

    run_patch();

    EXPECT_EQ(log_lines(), std::vector<std::string>{"P2K_GetStatus() = 0"});
    EXPECT_EQ(status_text(), not_connected_status);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(get_control_state(overall_bar), 0);
    EXPECT_TRUE(backups().empty());
}

TEST_F(patch_test, CablePulledAfterTheReadWritesNothing) {
    const std::string old_table = table_bytes(sample_records());
    set_variable("P2KSIM_PULL_AFTER", "5");
    connected_phone_with(old_table);

    run_patch();

    const auto calls = successful_patch_calls(0);
    EXPECT_EQ(log_calls(), std::vector<std::string>(calls.begin(), calls.begin() + 6));
    EXPECT_EQ(log_lines().back(), "P2K_GetStatus() = 0");
    EXPECT_EQ(status_text(), not_connected_status);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(phone_table(), old_table);
    EXPECT_TRUE(backups().empty());
}

}  // namespace
