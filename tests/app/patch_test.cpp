// Patch on a connected phone: what reaches the phone and in which order, what the window
// shows, and the backup it keeps; and Patch's answers when the phone is not connected.
#include "tests/app/app_test_support.h"

#include <regex>
#include <set>

#include "procedures/patch.h"
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

    run_patch(network_page().model());

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

    run_patch(network_page().model());

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

    run_patch(network_page().model());

    EXPECT_EQ(status_when_typed, "Patching...");
    EXPECT_EQ(status_text(), success_status);
    EXPECT_EQ(phone_table(), table_bytes(renamed(sample_records(), " ")));
}

// A table whose records end exactly at the read limit is read with one byte more, and so is the
// table written back: a phone file that ends there, or goes on with zero bytes, is patched.
TEST_F(patch_test, TableOfExactlyTheReadLimitIsPatchedAfterAProbe) {
    const std::string old_table = table_bytes(numbered_records(1000, std::string(15, 'n')));
    const std::string new_table = table_bytes(numbered_records(1000, "Super-Line-2026"));
    ASSERT_EQ(old_table.size(), 20000u);
    auto calls = successful_patch_calls(new_table.size());
    calls.insert(calls.begin() + 14, "File_Read(ADDR, 1)");
    calls.insert(calls.begin() + 4, "File_Read(ADDR, 1)");
    for (const std::string& after : {std::string(), std::string(3, '\0')}) {
        SCOPED_TRACE(after.size());
        std::filesystem::remove(call_log);
        std::filesystem::remove_all(backup_folder());
        set_control_text(name_field, "Super-Line-2026");
        connected_phone_with(old_table + after);

        run_patch(network_page().model());

        EXPECT_EQ(status_text(), success_status);
        EXPECT_EQ(log_calls(), calls);
        EXPECT_EQ(phone_table(), new_table);
        const auto saved = backups();
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_EQ(saved[0].second, old_table);
    }
}

// A full table written over a file that could not be deleted, and that meanwhile holds more:
// the read-back's probe finds the rest, and the check fails.
TEST_F(patch_test, ReadBackProbeFindsWhatFollowsAFullTable) {
    const std::string old_table = table_bytes(numbered_records(1000, std::string(15, 'n')));
    set_variable("P2KSIM_FAIL", "File_Delete:1");
    set_control_text(name_field, "Super-Line-2026");
    connected_phone_with(old_table);
    run_from_polls([&] {
        write_file(phone_root / "a" / "plmn_text_table.bin", old_table + "\x52");
        return true;
    });

    run_patch(network_page().model());

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].flags, 0x10);
    EXPECT_EQ(boxes()[0].text.substr(0, 38), "Phone table was not written correctly!");
    EXPECT_EQ(status_text(), "Failed.");
    EXPECT_EQ(log_calls().end()[-2], "File_Read(ADDR, 1)");
    const auto saved = backups();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].second, old_table);
}

TEST_F(patch_test, NotConnectedAtTheFirstCheckAsksThePhoneNothingElse) {
    put_phone_table(table_bytes(sample_records()));

    run_patch(network_page().model());

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

    run_patch(network_page().model());

    const auto calls = successful_patch_calls(0);
    EXPECT_EQ(log_calls(), std::vector<std::string>(calls.begin(), calls.begin() + 6));
    EXPECT_EQ(log_lines().back(), "P2K_GetStatus() = 0");
    EXPECT_EQ(status_text(), not_connected_status);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(phone_table(), old_table);
    EXPECT_TRUE(backups().empty());
}

}  // namespace
