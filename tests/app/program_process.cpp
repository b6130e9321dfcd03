#include "tests/app/program_process.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>

#include "procedures/window_numbers.h"
#include "tests/app/program_box_icon.h"

namespace {

constexpr DWORD idle_timeout_ms = 10000;
constexpr DWORD run_deadline_ms = 20000;
constexpr DWORD close_repeat_ms = 300;
constexpr DWORD poll_ms = 20;
constexpr UINT send_timeout_ms = 2000;
constexpr int box_text_id = 0xFFFF;

std::string tests_folder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string class_of(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The text of a window of another process, through WM_GETTEXT with a time-out.
// In UTF-8, as the program's texts are.
std::string text_of(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, send_timeout_ms,
                             &length))
        return "<no answer>";
    std::vector<wchar_t> text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, send_timeout_ms, &copied))
        return "<no answer>";
    const int count = static_cast<int>(copied);
    if (count == 0)
        return std::string();
    std::string utf8(static_cast<size_t>(count) * 3, '\0');
    utf8.resize(static_cast<size_t>(
        std::max(0, WideCharToMultiByte(CP_UTF8, 0, text.data(), count, &utf8[0],
                                        static_cast<int>(utf8.size()), nullptr, nullptr))));
    return utf8;
}

struct window_search {
    DWORD process_id;
    const char* title;
    bool box;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<window_search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process_id || !IsWindowVisible(window))
        return TRUE;
    if ((class_of(window) == "#32770") != search.box)
        return TRUE;
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    if (search.title != nullptr && std::string(title) != search.title)
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND find_box(DWORD process_id) {
    window_search search{process_id, nullptr, true, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct control_search {
    int id;
    HWND found;
};

BOOL CALLBACK match_control(HWND child, LPARAM parameter) {
    auto& search = *reinterpret_cast<control_search*>(parameter);
    if (GetDlgCtrlID(child) != search.id)
        return TRUE;
    search.found = child;
    return FALSE;
}

}  // namespace

HWND find_control(HWND window, int id) {
    control_search search{id, nullptr};
    EnumChildWindows(window, match_control, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int yes_no_answer = IDYES;

namespace {

// Keeps what the box says, presses OK (or the Yes/No answer) and waits until it is gone.
seen_box close_box(HWND box) {
    seen_box seen;
    seen.caption = text_of(box);
    HWND text = GetDlgItem(box, box_text_id);
    seen.text = text != nullptr ? text_of(text) : "<no text item>";
    seen.icon_flags = recognise_box_icon(box);
    PostMessageA(box, WM_COMMAND, GetDlgItem(box, IDYES) ? yes_no_answer : IDOK, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box) && IsWindowVisible(box) && GetTickCount() - start < idle_timeout_ms)
        Sleep(poll_ms);
    return seen;
}

BOOL CALLBACK match_status_bar(HWND child, LPARAM parameter) {
    if (class_of(child) != STATUSCLASSNAMEA)
        return TRUE;
    *reinterpret_cast<HWND*>(parameter) = child;
    return FALSE;
}

// The window shows from its first control on; it is whole once its status bar has a text, which
// comes after the controls of every page.
bool is_built(HWND window) {
    HWND status_bar = nullptr;
    EnumChildWindows(window, match_status_bar, reinterpret_cast<LPARAM>(&status_bar));
    DWORD_PTR length = 0;
    return status_bar != nullptr &&
           SendMessageTimeoutA(status_bar, SB_GETTEXTLENGTHA, 0, 0, SMTO_ABORTIFHUNG,
                               send_timeout_ms, &length) &&
           LOWORD(length) > 0;
}

void read_main_window(HWND window, program_run& run) {
    run.main_window_seen = true;
    HWND label = find_control(window, wait_label);
    run.wait_label = label != nullptr ? text_of(label) : "<no label 103>";
    HWND track_bar = find_control(window, wait_track_bar);
    DWORD_PTR position = static_cast<DWORD_PTR>(-1);
    if (track_bar != nullptr)
        SendMessageTimeoutA(track_bar, TBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, send_timeout_ms,
                            &position);
    run.track_position = static_cast<int>(position);
}

BOOL CALLBACK check_painted(HWND child, LPARAM parameter) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(parameter) = false;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string make_scratch_folder() {
    static int made = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (;;) {
        std::string folder = std::string(temp) + "kt-program-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
        if (CreateDirectoryA(folder.c_str(), nullptr))
            return folder + "\\";
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return std::string();
    }
}

void remove_folder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder), ignored);
}

bool copy_beside_tests(const std::string& name, const std::string& folder) {
    return CopyFileA((tests_folder() + name).c_str(), (folder + name).c_str(), FALSE) != 0;
}

bool file_exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string file_bytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[512];
    DWORD count = 0;
    while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0)
        bytes.append(buffer, count);
    CloseHandle(file);
    return bytes;
}

bool put_file(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size();
}

bool click_and_wait(HWND window, int id, const std::string& status, std::vector<seen_box>& boxes) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    HWND bar = nullptr, button = nullptr;
    EnumChildWindows(window, match_status_bar, reinterpret_cast<LPARAM>(&bar));
    for (DWORD start = GetTickCount(); GetTickCount() - start < run_deadline_ms; Sleep(poll_ms)) {
        if (HWND box = find_box(process_id))
            boxes.push_back(close_box(box));
        else if (id >= 0 && button == nullptr && (button = find_control(window, id)) != nullptr)
            PostMessageA(button, BM_CLICK, 0, 0);
        else if (!IsWindow(window) || ((button != nullptr || id < 0) && text_of(bar) == status))
            return IsWindow(window);
    }
    return false;
}

HWND find_main_window(DWORD process_id, const char* title) {
    window_search search{process_id, title, false, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool is_painted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool painted = true;
    EnumChildWindows(window, check_painted, reinterpret_cast<LPARAM>(&painted));
    return painted;
}

namespace {

bool start_program(const std::string& folder, const std::string& working_directory,
                   PROCESS_INFORMATION& process) {
    std::string command = "\"" + folder + program_file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    process = {};
    return CreateProcessA((folder + program_file).c_str(), &command[0], nullptr, nullptr, FALSE, 0,
                          nullptr, working_directory.c_str(), &startup, &process) != 0;
}

// Ends a process still running (exit code 1), and gives its exit code.
DWORD finish(PROCESS_INFORMATION& process, bool ended) {
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, idle_timeout_ms);
    }
    DWORD exit_code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exit_code;
}

}  // namespace

brief_run run_program_briefly(const std::string& folder, const std::string& working_directory,
                              DWORD deadline_ms) {
    brief_run run;
    PROCESS_INFORMATION process;
    if (!start_program(folder, working_directory, process))
        return run;
    run.started = true;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < deadline_ms) {
        if (find_box(process.dwProcessId) || find_main_window(process.dwProcessId, nullptr))
            run.showed_window = true;
        if (WaitForSingleObject(process.hProcess, poll_ms) == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
    }
    run.exit_code = finish(process, run.ended);
    return run;
}

program_run run_program_in(const std::string& folder, const std::string& working_directory,
                           const std::function<void(HWND main_window)>& while_open) {
    program_run run;
    PROCESS_INFORMATION process;
    if (!start_program(folder, working_directory, process))
        return run;
    run.started = true;

    WaitForInputIdle(process.hProcess, idle_timeout_ms);
    run.box_after_input_idle = find_box(process.dwProcessId) != nullptr;

    const DWORD start = GetTickCount();
    DWORD last_close = 0;
    bool close_posted = false;
    while (GetTickCount() - start < run_deadline_ms) {
        if (WaitForSingleObject(process.hProcess, poll_ms) == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
        if (HWND box = find_box(process.dwProcessId)) {
            run.boxes.push_back(close_box(box));
            continue;
        }
        HWND window = find_main_window(process.dwProcessId, program_title);
        if (window == nullptr)
            continue;
        if (!run.main_window_seen) {
            if (!is_built(window))
                continue;
            read_main_window(window, run);
            if (while_open)
                while_open(window);
        }
        if (!close_posted || GetTickCount() - last_close >= close_repeat_ms) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            close_posted = true;
            last_close = GetTickCount();
        }
    }
    run.exit_code = finish(process, run.ended);
    return run;
}
