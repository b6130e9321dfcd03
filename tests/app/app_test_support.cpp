#include "tests/app/app_test_support.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "app/main_window.h"
#include "phone/phone_library.h"
#include "runtime/library.h"
#include "runtime/memory_block.h"
#include "runtime/program_directory.h"
#include "tests/ui/ui_test_support.h"
#include "ui/control.h"
#include "ui/ui_layer.h"
#include "ui/window.h"
#include "app/language_choice.h"
#include "runtime/wide_text.h"

namespace {

const char* const simulator_variables[] = {"P2KSIM_ROOT",      "P2KSIM_LOG",  "P2KSIM_CONNECTED",
                                           "P2KSIM_STATUS",    "P2KSIM_FAIL", "P2KSIM_PULL_AFTER",
                                           "P2KSIM_SHORT_READ"};

std::vector<shown_box> seen_boxes;
HWND open_box = nullptr;  // the box being closed, until it is destroyed
int box_answer = IDYES;   // the button pressed on a box with Yes and No
int later_answer = 0;     // and on those after the first, when not 0
std::vector<std::string> file_answers;
HWND answered_dialog = nullptr;  // a file dialog is answered once, however often activated
int file_dialog_count = 0;
HHOOK box_hook = nullptr;
std::function<bool()> poll_step;
UINT_PTR poll_step_timer = 0;

void CALLBACK take_poll_step(HWND, UINT, UINT_PTR, DWORD) {
    if (poll_step && poll_step())
        stop_poll_steps();
}

int icon_flags(HWND box) {
    const struct {
        LPCSTR icon;
        int flags;
    } icons[] = {
        {IDI_HAND, 0x10}, {IDI_QUESTION, 0x20}, {IDI_EXCLAMATION, 0x30}, {IDI_ASTERISK, 0x40}};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (class_name_of(child) != "Static" ||
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        HICON shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        for (const auto& icon : icons) {
            if (shown == LoadIconA(nullptr, icon.icon))
                return icon.flags;
        }
    }
    return 0;
}

std::string window_text(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
}

bool is_file_dialog(HWND dialog) {
    return GetDlgItem(dialog, cmb13) != nullptr || GetDlgItem(dialog, edt1) != nullptr;
}

// Types the next answer into the file name box and presses OK; Cancel when none is left.
void answer_file_dialog(HWND dialog) {
    answered_dialog = dialog;
    ++file_dialog_count;
    if (file_answers.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SetDlgItemTextA(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, file_answers[0].c_str());
    file_answers.erase(file_answers.begin());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK answer_yes_no(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!open_box)
        return;
    if ((GetWindowLongA(GetDlgItem(open_box, IDNO), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON)
        seen_boxes.back().flags |= 0x100;
    PostMessageA(open_box, WM_COMMAND, box_answer, 0);
    box_answer = later_answer ? later_answer : box_answer;
}

void close_box(HWND box) {
    open_box = box;
    shown_box seen;
    seen.caption = window_text(box);
    seen.text = window_text(GetDlgItem(box, 0xFFFF));
    seen.flags = icon_flags(box);
    HWND cancel = GetDlgItem(box, IDCANCEL);
    if (cancel && IsWindowVisible(cancel))
        seen.flags |= 1;
    const bool yes_no = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO);
    if (yes_no)
        seen.flags |= 4;
    seen_boxes.push_back(seen);
    if (!yes_no) {
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
    }
    // Answered once the box has chosen its default button, from the box's own message loop.
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, answer_yes_no);
}

LRESULT CALLBACK answer_dialogs(int code, WPARAM wparam, LPARAM lparam) {
    HWND box = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_DESTROYWND && box == open_box)
        open_box = nullptr;
    if (code == HCBT_DESTROYWND && box == answered_dialog)
        answered_dialog = nullptr;
    if (code == HCBT_ACTIVATE && box != open_box && box != answered_dialog &&
        class_name_of(box) == "#32770") {
        if (is_file_dialog(box))
            answer_file_dialog(box);
        else
            close_box(box);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The line with addresses shown as ADDR and without its " = result".
std::string masked_call(const std::string& line) {
    std::string call = line.substr(0, line.rfind(" = "));
    for (size_t at; (at = call.find("0x")) != std::string::npos;) {
        size_t end = call.find_first_not_of("0123456789ABCDEF", at + 2);
        call.replace(at, end == std::string::npos ? std::string::npos : end - at, "ADDR");
    }
    return call;
}

}  // namespace

std::string table_bytes(const std::vector<table_record>& records) {
    std::string bytes;
    for (const table_record& record : records) {
        bytes += record.key;
        bytes += static_cast<char>(record.name.size());
        bytes += record.name;
    }
    return bytes;
}

std::vector<table_record> renamed(std::vector<table_record> records, const std::string& name) {
    for (table_record& record : records)
        record.name = name;
    return records;
}

std::vector<table_record> sample_records() {
    using namespace std::string_literals;
    return {{"\x52\xF0\x10\x00"s, "MTS"},
            {"\x52\xF0\x20\x00"s, "Bee\xFFLine"},
            {"\x00\xF2\x30\x01"s, "Mega\0fon"s}};
}

std::vector<table_record> numbered_records(int count, const std::string& name) {
    std::vector<table_record> records;
    for (int i = 0; i < count; ++i) {
        std::string key = "\x52\xF0\x10";
        key += static_cast<char>(i & 0xFF);
        key[2] = static_cast<char>(0x10 + (i >> 8));
        records.push_back({key, name});
    }
    return records;
}

void run_from_polls(std::function<bool()> step) {
    stop_poll_steps();
    poll_step = std::move(step);
    poll_step_timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, take_poll_step);
}

void stop_poll_steps() {
    if (poll_step_timer)
        KillTimer(nullptr, poll_step_timer);
    poll_step_timer = 0;
    poll_step = nullptr;
}

std::string time_stamp(int seconds_from_now) {
    FILETIME file_time;
    GetSystemTimeAsFileTime(&file_time);
    ULARGE_INTEGER ticks;
    ticks.LowPart = file_time.dwLowDateTime;
    ticks.HighPart = file_time.dwHighDateTime;
    ticks.QuadPart += static_cast<LONGLONG>(seconds_from_now) * 10000000;
    file_time.dwLowDateTime = ticks.LowPart;
    file_time.dwHighDateTime = ticks.HighPart;
    FILETIME local;
    SYSTEMTIME time;
    FileTimeToLocalFileTime(&file_time, &local);
    FileTimeToSystemTime(&local, &time);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u%02u%02u-%02u%02u%02u", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond);
    return stamp;
}

void app_test::SetUp() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kt-app-" + std::to_string(GetCurrentProcessId()) + "-" +
                       test->test_suite_name() + "-" + test->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    phone_root = folder / "phone";
    call_log = folder / "calls.log";
    std::filesystem::create_directories(phone_root / "a");
    std::filesystem::remove_all(backup_folder());

    for (const char* variable : simulator_variables)
        set_variable(variable, nullptr);
    set_variable("P2KSIM_ROOT", phone_root.string().c_str());
    set_variable("P2KSIM_LOG", call_log.string().c_str());
    ASSERT_NE(open_library(phone_library_number, phone_library_name), 0);
    reset_phone();

    init_program_directory();
    init_ui_layer();
    build_main_window(0);
    // Every page built, as after a user looked at each, then the Main page.
    for (int page = count_control_items(tab_control) - 1; page >= 0; --page)
        set_control_state(tab_control, page);
    bring_to_foreground(window_of(main_window));
    drain_events();

    seen_boxes.clear();
    open_box = nullptr;
    answer_boxes_with(IDYES);
    file_answers.clear();
    answered_dialog = nullptr;
    file_dialog_count = 0;
    box_hook = SetWindowsHookExA(WH_CBT, answer_dialogs, nullptr, GetCurrentThreadId());
    ASSERT_NE(box_hook, nullptr);
}

void app_test::TearDown() {
    stop_poll_steps();
    UnhookWindowsHookEx(box_hook);
    release_blocks();
    release_ui_layer();
    drain_events();
    choose_language("auto");  // as a test that chose another leaves it
    for (const char* variable : simulator_variables)
        set_variable(variable, nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::remove_all(backup_folder(), ignored);
}

void app_test::set_variable(const char* name, const char* value) {
    SetEnvironmentVariableA(name, value);
}

void app_test::reset_phone() {
    ASSERT_EQ(call_library_entry(phone_library_number, "P2KSIM_Reset"), 0);
}

void app_test::connected_phone_with(const std::string& table) {
    put_phone_table(table);
    set_variable("P2KSIM_CONNECTED", "1");
    reset_phone();
}

void app_test::put_phone_table(const std::string& bytes) const {
    write_file(phone_root / "a" / "plmn_text_table.bin", bytes);
}

bool app_test::phone_has_table() const {
    return std::filesystem::exists(phone_root / "a" / "plmn_text_table.bin");
}

std::string app_test::phone_table() const {
    return read_file(phone_root / "a" / "plmn_text_table.bin");
}

std::vector<std::string> app_test::log_lines() const {
    std::vector<std::string> lines;
    std::string text = read_file(call_log);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::string> app_test::log_calls() const {
    std::vector<std::string> calls;
    for (const std::string& line : log_lines())
        calls.push_back(masked_call(line));
    return calls;
}

bool app_test::log_has_write() const {
    for (const std::string& line : log_lines()) {
        if (line.rfind("File_Delete", 0) == 0 || line.rfind("File_Write", 0) == 0)
            return true;
    }
    return false;
}

std::string status_text() {
    HWND bar = FindWindowExA(window_of(main_window), nullptr, STATUSCLASSNAMEA, nullptr);
    if (!bar)
        return "(no status bar)";
    std::vector<wchar_t> text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0)) + 1, L'\0');
    const int length =
        LOWORD(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data())));
    return utf8_text(text.data(), length);  // the program's texts are UTF-8
}

HWND control(int number) {
    return control_handle(number);
}

void type_name(const std::string& text) {
    HWND field = control(name_field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::filesystem::path app_test::backup_folder() {
    return std::filesystem::path(path_beside_program("backup"));
}

std::vector<std::pair<std::string, std::string>> app_test::backups() {
    std::vector<std::pair<std::string, std::string>> found;
    std::error_code error;
    if (!std::filesystem::is_directory(backup_folder(), error))
        return found;
    for (const auto& entry : std::filesystem::directory_iterator(backup_folder(), error))
        if (entry.path().extension() == ".bin")
            found.emplace_back(entry.path().filename().string(), read_file(entry.path()));
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<shown_box>& app_test::boxes() {
    return seen_boxes;
}

void app_test::answer_boxes_with(int button, int later) {
    box_answer = button;
    later_answer = later;
}

void app_test::answer_file_dialogs_with(std::vector<std::string> paths) {
    file_answers = std::move(paths);
}

int app_test::file_dialogs() {
    return file_dialog_count;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path.string();
}

void app_test::expect_phone_safe(const std::string& old_table, const std::string& new_table,
                                 bool success, bool told) const {
    const bool phone_old = phone_has_table() && phone_table() == old_table;
    const bool phone_new = phone_has_table() && phone_table() == new_table;
    EXPECT_NE(success, told);  // the user learns the outcome, and only one
    if (success) {
        EXPECT_TRUE(phone_new);
    }
    EXPECT_TRUE(phone_old || phone_new || told);
    const auto saved = backups();
    EXPECT_LE(saved.size(), 1u);
    for (const auto& backup : saved)
        EXPECT_EQ(backup.second, old_table) << backup.first;
    if (!phone_old) {
        EXPECT_EQ(saved.size(), 1u) << "the phone changed without a backup";
    }
}
