// The Patches that refuse: nothing is written on the phone, the user is told why, and the
// status says "Failed." (or stays as it was when the name is empty from the start).
#include "tests/app/app_test_support.h"

#include <regex>

#include "procedures/patch.h"
#include "ui/control.h"
#include "ui/status_bar.h"

namespace {

using patch_refusal_test = app_test;

const std::string way_back = "\nTo put a backup back: Networks page, Open..., Write.";
const std::string cannot_read =
    "Can't read ''/a/plmn_text_table.bin'' from phone.\nNothing was written." + way_back;
const std::string not_a_table =
    "''/a/plmn_text_table.bin'' doesn't look like operator table.\nNothing was written." + way_back;
const std::string empty_name = "Name can't be null\nFill it with 1 space if you want!";

std::vector<std::string> calls_up_to_second_check() {
    return {"P2K_GetStatus()",       "File_Create(\"/a/plmn_text_table.bin\", 4)",
            "File_SetPointer(0, 0)", "File_Read(ADDR, 20000)",
            "File_Close()",          "P2K_GetStatus()"};
}

// A table of exactly the read limit whose last record claims more name than is left.
std::string table_running_past_the_limit() {
    std::string table = table_bytes(numbered_records(999, std::string(15, 'n')));
    table += std::string("\x52\xF0\x99\x01", 4) + static_cast<char>(50) + std::string(15, 'x');
    return table;
}

struct refusal_case {
    const char* what;
    std::string table;
    bool table_missing;
    std::string name;  // set as the window text, past the field's limit
    std::string message;
};

TEST_F(patch_refusal_test, RefusedTablesAndNamesWriteNothing) {
    const std::string sample = table_bytes(sample_records());
    const refusal_case cases[] = {
        {"empty phone file", "", false, "Super-Line", cannot_read},
        {"no phone file", "", true, "Super-Line", cannot_read},
        {"zero bytes only", std::string(100, '\0'), false, "Super-Line", cannot_read},
        {"record past byte 20000", table_running_past_the_limit(), false, "Super-Line",
         not_a_table},
        {"file longer than 20000 bytes", table_bytes(numbered_records(1000, std::string(16, 'n'))),
         false, "Super-Line", not_a_table},
        {"1000 records leave 15 bytes a name", table_bytes(numbered_records(1000, "Op")), false,
         "Super-Line-Extra", "Name is too long for this table.\nUse 15 characters or less."},
        {"256 characters", sample, false, std::string(256, 'x'),
         "Name is too long for this table.\nUse 255 characters or less."},
    };
    for (const refusal_case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(phone_root / "a" / "plmn_text_table.bin");
        std::filesystem::remove(call_log);
        std::filesystem::remove_all(backup_folder());
        boxes().clear();
        set_status_text(main_status_bar, 0, "Press ''connect''", 0);
        set_control_text(name_field, c.name);
        if (!c.table_missing)
            put_phone_table(c.table);
        set_variable("P2KSIM_CONNECTED", "1");
        reset_phone();

        run_patch(network_page().model());

        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, c.message);
        EXPECT_EQ(boxes()[0].flags, message_box_exclamation);
        EXPECT_EQ(boxes()[0].caption, main_window_title);
        EXPECT_EQ(status_text(), "Failed.");
        EXPECT_EQ(log_calls(), calls_up_to_second_check());
        EXPECT_EQ(phone_table(), c.table);
        EXPECT_TRUE(backups().empty());
    }
}

// Records right up to byte 20000 and one more after them: the probe read finds it.
TEST_F(patch_refusal_test, TableLongerThanTheReadIsRefused) {
    const std::string table =
        table_bytes(numbered_records(1000, std::string(15, 'n'))) + "\x52\xF0\x99\x00\x02Op";
    connected_phone_with(table);

    run_patch(network_page().model());

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text,
              "''/a/plmn_text_table.bin'' is longer than 20000 bytes.\nNothing was written.");
    EXPECT_EQ(boxes()[0].flags, message_box_exclamation);
    EXPECT_EQ(status_text(), "Failed.");
    std::vector<std::string> calls = calls_up_to_second_check();
    calls.insert(calls.begin() + 4, "File_Read(ADDR, 1)");
    EXPECT_EQ(log_calls(), calls);
    EXPECT_EQ(phone_table(), table);
    EXPECT_TRUE(backups().empty());
}

TEST_F(patch_refusal_test, EmptyNameAtTheStartAsksThePhoneNothing) {
    connected_phone_with(table_bytes(sample_records()));
    set_control_text(name_field, "");

    run_patch(network_page().model());

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, empty_name);
    EXPECT_EQ(boxes()[0].flags, message_box_exclamation);
    EXPECT_EQ(status_text(), "Press ''connect''");
    EXPECT_TRUE(log_lines().empty());
    EXPECT_EQ(get_control_state(overall_bar), 0);
}

TEST_F(patch_refusal_test, NameEmptiedDuringTheFirstRunWritesNothing) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);
    run_from_polls([] {
        type_name("");
        return true;
    });

    run_patch(network_page().model());

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, empty_name);
    EXPECT_EQ(boxes()[0].flags, message_box_exclamation);
    EXPECT_EQ(status_text(), "Failed.");
    EXPECT_EQ(log_calls(), calls_up_to_second_check());
    EXPECT_EQ(phone_table(), old_table);
    EXPECT_TRUE(backups().empty());
}

TEST_F(patch_refusal_test, NameFieldTakesAtMost255Characters) {
    type_name(std::string(300, 'y'));
    EXPECT_EQ(get_control_text(name_field), std::string(255, 'y'));
}

// Where the backup cannot be made, the phone is not touched.
TEST_F(patch_refusal_test, BackupThatCannotBeSavedStopsBeforeTheWrite) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);
    write_file(backup_folder(), "a file where the backup folder would be");

    run_patch(network_page().model());

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].flags, 0x10);
    const std::string folder = backup_folder().string();
    const std::string& text = boxes()[0].text;
    const std::string head = "Can't save backup of phone table to\n" + folder + "\\";
    const std::string tail = "\nNothing was written.";
    ASSERT_GT(text.size(), head.size() + tail.size()) << text;
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_TRUE(std::regex_match(text.substr(head.size(), text.size() - head.size() - tail.size()),
                                 std::regex(R"(plmn_text_table-\d{8}-\d{6}\.bin)")))
        << text;
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_TRUE(std::regex_match(folder, std::regex(R"([A-Za-z]:\\.*\\backup)"))) << folder;
    EXPECT_EQ(status_text(), "Failed.");
    EXPECT_EQ(log_calls(), calls_up_to_second_check());
    EXPECT_EQ(phone_table(), old_table);
}

}  // namespace
