// The built program as its own process, started from another working directory in a fresh
// folder, driven from outside: its start notice and message boxes, the wait shown on the main
// page, the settings file "Sett.ings" it keeps beside itself, and how it ends.
#include <gtest/gtest.h>

#include "procedures/window_numbers.h"
#include "tests/app/program_process.h"
#include "ui/message_box.h"

namespace {

constexpr char settings_name[] = "Sett.ings";
constexpr int information = 0x40;
constexpr int exclamation = message_box_exclamation;

std::string start_notice(const std::string& count) {
    return "This is your " + count +
           " use of this program\nNote: you need to DEactivate\nseem 32\nrecord 1\noffset "
           "40h\nbit 4\n\nIf you want, backup your ''/a/plmn_text_table.bin''";
}

bool russian_display() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN;
}

std::string shown(const std::string& bytes) {
    std::string text;
    for (unsigned char byte : bytes) {
        if (byte == '\r')
            text += "\\r";
        else if (byte == '\n')
            text += "\\n";
        else
            text += static_cast<char>(byte);
    }
    return text;
}

// A folder holding the program (and the phone simulator unless told otherwise), and a second
// one to start it from.
class program_test : public ::testing::Test {
protected:
    std::string folder;
    std::string elsewhere;
    std::string settings;

    void SetUp() override { prepare(true); }
    void TearDown() override {
        remove_folder(folder);
        remove_folder(elsewhere);
    }

    void prepare(bool with_library) {
        folder = make_scratch_folder();
        elsewhere = make_scratch_folder();
        ASSERT_FALSE(folder.empty());
        ASSERT_FALSE(elsewhere.empty());
        settings = folder + settings_name;
        ASSERT_TRUE(copy_beside_tests(program_file, folder)) << "error " << GetLastError();
        if (with_library) {
            ASSERT_TRUE(copy_beside_tests(library_file, folder)) << "error " << GetLastError();
        }
    }

    program_run run() {
        program_run result = run_program_in(folder, elsewhere);
        EXPECT_TRUE(result.started) << "error " << GetLastError();
        EXPECT_TRUE(result.ended) << "the program did not end after its window was closed";
        EXPECT_EQ(result.exit_code, 0u);
        EXPECT_FALSE(file_exists(elsewhere + settings_name))
            << "settings written into the working directory";
        return result;
    }
};

// Each case: the settings file before the run (none: no file), whether the test holds it open
// so that the program cannot delete it, what the main page and the notice show, and the file's
// bytes after the window was closed.
TEST_F(program_test, SettingsFileAcrossOneRun) {
    const struct {
        const char* name;
        const char* before;
        bool held_open;
        const char* wait_label;
        int track_position;
        const char* notice_count;  // nullptr: no notice
        const char* after;
    } cases[] = {
        {"first run", nullptr, false, "Wait 0 sec. for P2K device.", 0, "0", "0\r\n1\r\n"},
        {"wait beyond the track bar", "35\r\n20\r\n", false, "Wait 20 sec. for P2K device.", 20,
         nullptr, "20\r\n21\r\n"},
        {"largest start count", "0\r\n2147483647\r\n", false, "Wait 0 sec. for P2K device.", 0,
         nullptr, "0\r\n2147483647\r\n"},
        {"longer file that cannot be deleted", "7\r\n5\r\nSOME OLD TAIL\r\n", true,
         "Wait 7 sec. for P2K device.", 7, "5", "7\r\n6\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(settings.c_str());
        if (c.before != nullptr) {
            ASSERT_TRUE(put_file(settings, c.before));
        }
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.held_open) {
            held = CreateFileA(settings.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE) << "error " << GetLastError();
            ASSERT_FALSE(DeleteFileA(settings.c_str())) << "the held file could be deleted";
        }

        const program_run result = run();
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }

        EXPECT_TRUE(result.main_window_seen);
        EXPECT_EQ(result.wait_label, c.wait_label);
        EXPECT_EQ(result.track_position, c.track_position);
        if (c.notice_count == nullptr) {
            EXPECT_FALSE(result.box_after_input_idle);
            EXPECT_EQ(result.boxes.size(), 0u) << "first box: " << result.boxes[0].text;
        } else {
            ASSERT_EQ(result.boxes.size(), 1u);
            EXPECT_EQ(result.boxes[0].caption, program_title);
            EXPECT_EQ(result.boxes[0].text, start_notice(c.notice_count));
            EXPECT_EQ(result.boxes[0].icon_flags, information);
        }
        EXPECT_EQ(shown(file_bytes(settings)), shown(c.after));
    }
}

// The program speaks Windows' display language, or the one Window.ini keeps from the system
// menu. CTest runs this test once more under a Russian display language (Wine's LC_MESSAGES).
TEST_F(program_test, TextsInTheDisplayLanguageOrTheOneChosen) {
    const char* const russian = "Ожидание устройства P2K: 5 с.";
    const char* const english = "Wait 5 sec. for P2K device.";
    const struct {
        const char* setting;
        const char* wait_label;
    } cases[] = {{"ru", russian},
                 {"en", english},
                 {"auto", russian_display() ? russian : english},
                 {"klingon", russian_display() ? russian : english}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        ASSERT_TRUE(put_file(settings, "5\r\n20\r\n"));
        ASSERT_TRUE(put_file(folder + "Window.ini", std::string("language=") + c.setting + "\r\n"));
        EXPECT_EQ(run().wait_label, c.wait_label);
    }
}

// The notice shows on the first twenty runs: the twentieth run says 19, the next one is quiet.
TEST_F(program_test, NoticeEndsAfterTwentyRuns) {
    ASSERT_TRUE(put_file(settings, "0\r\n19\r\n"));
    const program_run twentieth = run();
    ASSERT_EQ(twentieth.boxes.size(), 1u);
    EXPECT_EQ(twentieth.boxes[0].text, start_notice("19"));
    EXPECT_EQ(shown(file_bytes(settings)), shown("0\r\n20\r\n"));

    const program_run next = run();
    EXPECT_FALSE(next.box_after_input_idle);
    EXPECT_EQ(next.boxes.size(), 0u) << "first box: " << next.boxes[0].text;
    EXPECT_EQ(shown(file_bytes(settings)), shown("0\r\n21\r\n"));
}

// Without the phone library the program says so and ends; the settings file it created empty
// at start is never written.
TEST_F(program_test, MissingLibraryEndsWithoutWritingSettings) {
    ASSERT_TRUE(DeleteFileA((folder + library_file).c_str()));
    const program_run result = run();
    ASSERT_EQ(result.boxes.size(), 1u);
    EXPECT_EQ(result.boxes[0].caption, program_title);
    EXPECT_EQ(result.boxes[0].text,
              "Can't load Platform 2000 API dll. Program will be terminated!");
    EXPECT_EQ(result.boxes[0].icon_flags, exclamation);
    EXPECT_TRUE(file_exists(settings));
    EXPECT_EQ(shown(file_bytes(settings)), "");
}

// A second start while the program runs brings the running window forward and ends at once,
// showing nothing; the first copy goes on and alone writes the settings when it closes.
TEST_F(program_test, SecondCopyEndsAtOnceAndLeavesTheFirstRunning) {
    ASSERT_TRUE(put_file(settings, "4\r\n30\r\n"));
    brief_run second;
    std::string settings_meanwhile;
    bool first_restored = false;
    const program_run first = run_program_in(folder, elsewhere, [&](HWND window) {
        ShowWindow(window, SW_MINIMIZE);
        second = run_program_briefly(folder, elsewhere, 10000);
        settings_meanwhile = file_bytes(settings);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(20)) {
            if (!IsIconic(window)) {
                first_restored = true;
                break;
            }
        }
    });

    EXPECT_TRUE(second.started);
    EXPECT_TRUE(second.ended) << "the second copy was still running after 10 s";
    EXPECT_EQ(second.exit_code, 0u);
    EXPECT_FALSE(second.showed_window);
    EXPECT_EQ(shown(settings_meanwhile), shown("4\r\n30\r\n"));
    EXPECT_TRUE(first_restored) << "the running window was not brought back";
    EXPECT_TRUE(first.ended);
    EXPECT_EQ(first.exit_code, 0u);
    EXPECT_TRUE(first.boxes.empty());
    EXPECT_EQ(shown(file_bytes(settings)), shown("4\r\n31\r\n"));
}

// A phone library in the working directory only (not beside the program, not on PATH) is
// never loaded: the program says it has none.
TEST_F(program_test, LibraryOnlyInWorkingDirectoryIsNotLoaded) {
    ASSERT_TRUE(DeleteFileA((folder + library_file).c_str()));
    ASSERT_TRUE(copy_beside_tests(library_file, elsewhere)) << "error " << GetLastError();
    const program_run result = run();
    ASSERT_EQ(result.boxes.size(), 1u);
    EXPECT_EQ(result.boxes[0].text,
              "Can't load Platform 2000 API dll. Program will be terminated!");
    EXPECT_EQ(result.boxes[0].icon_flags, exclamation);
}

// Patch or Write ended as by a crash after each of its 15 calls; from the 7th (the delete) on, a
// new start offers old_table, Patch refuses, and Write puts old_table back.
class cut_off_write_test : public program_test,
                           public ::testing::WithParamInterface<std::tuple<bool, int>> {};

TEST_P(cut_off_write_test, NextStartPutsTheOldTableBack) {
    const auto [write, call] = GetParam();
    const std::string old_table("\x52\xF0\x10\x00\x03MTS\x52\xF0\x20\x00\x00", 13);
    const std::string phone_table = folder + "phone\\a\\plmn_text_table.bin";
    CreateDirectoryA((folder + "phone").c_str(), nullptr);
    CreateDirectoryA((folder + "phone\\a").c_str(), nullptr);
    ASSERT_TRUE(put_file(phone_table, old_table));
    ASSERT_TRUE(put_file(settings, "0\r\n20\r\n"));  // no start notice
    SetEnvironmentVariableA("P2KSIM_CONNECTED", "1");
    SetEnvironmentVariableA("P2KSIM_EXIT_AFTER", std::to_string(write ? 6 + call : call).c_str());
    std::vector<seen_box> before, boxes;  // of the cut run, of the next
    run_program_in(folder, elsewhere, [&](HWND window) {
        HWND tabs = FindWindowExA(window, nullptr, "SysTabControl32", nullptr);
        for (int i = 0; write && i < 3; ++i)  // to the Networks page
            PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
        if (write)  // Write writes back the table it read
            click_and_wait(window, read_button, "Read 2 networks from phone.", before);
        click_and_wait(window, write ? write_button : patch_button, "(ended)", before);
    });
    SetEnvironmentVariableA("P2KSIM_EXIT_AFTER", nullptr);
    SetEnvironmentVariableA("P2KSIM_CONNECTED", nullptr);
    const program_run again = run_program_in(folder, elsewhere, [&](HWND window) {
        click_and_wait(window, connect_button, "Connected in P2K Mode.", boxes);
        if (call >= 7 && click_and_wait(window, patch_button, "Failed.", boxes))
            click_and_wait(window, write_button, "Written. Press ''restart'' on the Main page",
                           boxes);
    });
    boxes.insert(boxes.begin(), again.boxes.begin(), again.boxes.end());
    EXPECT_EQ(file_bytes(phone_table), old_table);
    EXPECT_FALSE(file_exists(folder + "backup\\unfinished-write.txt"));
    ASSERT_EQ(boxes.size(), call < 7 ? 0u : 3u + (call < 10));  // + "can't be read" before 10
    const std::string cut = "The last write to the phone did not finish.\n";
    const std::string offer = cut + "The table the phone had before it is saved in\n" + folder;
    EXPECT_TRUE(call < 7 || (boxes[0].text.rfind(offer + "backup\\plmn_text_table-", 0) == 0 &&
                             boxes[0].icon_flags == exclamation));
    const std::string refusal = cut + "Put the old table back first: Networks page, Write.";
    EXPECT_TRUE(call < 7 || boxes[1].text == refusal);
}

INSTANTIATE_TEST_SUITE_P(AfterEachCall, cut_off_write_test,
                         ::testing::Combine(::testing::Bool(), ::testing::Range(1, 16)));

// The note of a cut-off write found at start, answered No or naming a backup that is gone: the
// user is told where the old table is (or that it is missing), and the note goes.
TEST_F(program_test, CutOffWriteNoteAnsweredNoOrItsBackupMissing) {
    const std::string name = "plmn_text_table-20261208-101500.bin";
    const std::string cut = "The last write to the phone did not finish";
    const struct {
        bool backup_kept;
        std::string box;
        std::string status;
    } cases[] = {
        {true,
         cut + ".\nThe table the phone had before it is saved in\n" + folder + "backup\\" + name +
             "\nLoad it on the Networks page to write it back?",
         "The table before the last write is in backup\\" + name},
        {false, cut + ", but its backup is missing:\n" + folder + "backup\\" + name,
         "Press ''connect''"},
    };
    ASSERT_TRUE(put_file(settings, "0\r\n20\r\n"));  // no start notice
    CreateDirectoryA((folder + "backup").c_str(), nullptr);
    yes_no_answer = IDNO;
    for (const auto& each : cases) {
        ASSERT_TRUE(put_file(folder + "backup\\unfinished-write.txt", name + "\r\n"));
        DeleteFileA((folder + "backup\\" + name).c_str());
        const std::string table("\x52\xF0\x10\x00\x01X", 6);
        if (each.backup_kept) {
            ASSERT_TRUE(put_file(folder + "backup\\" + name, table));
        }
        std::vector<seen_box> boxes;
        const program_run ran = run_program_in(folder, elsewhere, [&](HWND window) {
            EXPECT_TRUE(click_and_wait(window, -1, each.status, boxes)) << each.status;
        });
        boxes.insert(boxes.begin(), ran.boxes.begin(), ran.boxes.end());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, each.box);
        EXPECT_EQ(boxes[0].icon_flags, exclamation);
        EXPECT_FALSE(file_exists(folder + "backup\\unfinished-write.txt"));
    }
    yes_no_answer = IDYES;
}

}  // namespace
