// Shared set-up of the procedure tests: for each test a fresh phone simulator (its own phone
// folder and call log), the main window built as the program builds it, an empty backup folder
// beside the test program, and a hook that closes every message box and keeps what it showed
// and answers the open and save dialogs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/networks_page.h"
#include "procedures/window_numbers.h"
#include "ui/message_box.h"

inline constexpr char success_status[] = "Looks like all is good, press ''restart''";
inline constexpr char not_connected_status[] = "Phone is not connected, can't patch";
inline constexpr char table_phone_path[] = "/a/plmn_text_table.bin";

// One record of an operator table: four key bytes and a name of up to 255 bytes.
struct table_record {
    std::string key;
    std::string name;
};

// The records laid out as the phone keeps them: key, length byte, name.
std::string table_bytes(const std::vector<table_record>& records);
// The same records, each with the new name.
std::vector<table_record> renamed(std::vector<table_record> records, const std::string& name);
// Three networks; keys with a zero byte, a name holding 0xFF and a zero byte.
std::vector<table_record> sample_records();
// count records of the name, keys counting up from 52 F0 10 00.
std::vector<table_record> numbered_records(int count, const std::string& name);

// A message box as the hook saw it; flags are rebuilt from its icon (0x10, 0x20, 0x30, 0x40),
// 1 when it had a Cancel button, 4 when it had Yes and No, 0x100 when No was the default.
struct shown_box {
    std::string caption;
    std::string text;
    int flags = 0;
};

// The text of the main window's status bar.
std::string status_text();
HWND control(int number);
// Replaces the text of field 105 as typing over a selection does (the field's limit applies).
void type_name(const std::string& text);

// Calls step from the message polls and waits of whatever runs (a thread timer, every 10 ms or
// so) until it returns true: a person typing or clicking while a procedure or the loop runs.
void run_from_polls(std::function<bool()> step);
void stop_poll_steps();

// The local time stamp of backup names (YYYYMMDD-HHMMSS), seconds_from_now away.
std::string time_stamp(int seconds_from_now);

class app_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets a simulator variable (nullptr removes it); reset_phone makes the simulator read them.
    static void set_variable(const char* name, const char* value);
    static void reset_phone();
    // Connected from the start, with the table on the phone.
    void connected_phone_with(const std::string& table);

    void put_phone_table(const std::string& bytes) const;
    bool phone_has_table() const;
    std::string phone_table() const;  // empty when missing

    // The call log: whole lines, and the lines with addresses masked and results cut.
    std::vector<std::string> log_lines() const;
    std::vector<std::string> log_calls() const;
    bool log_has_write() const;  // File_Delete or File_Write was called

    // What a phone operation that ended in success (or told the user it did not) must leave:
    // the user learns one outcome; the phone holds the old table or the new one (always the new
    // one after a success) unless the user was told; at most one backup, holding the old table,
    // and one there whenever the phone's table changed.
    void expect_phone_safe(const std::string& old_table, const std::string& new_table, bool success,
                           bool told) const;

    static std::filesystem::path backup_folder();
    // The backups made so far: file name and content, sorted by name.
    static std::vector<std::pair<std::string, std::string>> backups();

    static std::vector<shown_box>& boxes();
    // The button that closes a box with Yes and No (IDYES unless told otherwise); OK closes the
    // others.
    static void answer_boxes_with(int button, int later = 0);  // later (not 0): after the first
    // The file names typed into the next open or save dialogs, one a dialog, each followed by
    // OK; a dialog shown when none is left is cancelled.
    static void answer_file_dialogs_with(std::vector<std::string> paths);
    static int file_dialogs();  // shown so far

    std::filesystem::path folder;  // the phone folder and the call log
    std::filesystem::path phone_root;
    std::filesystem::path call_log;
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);
