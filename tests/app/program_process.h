// The built program started as its own process in a fresh folder and looked at from outside,
// as a person would: its message boxes are read and closed with OK, its main window's controls
// are read by id, and the main window is asked to close. Everything waits with bounded polling.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

constexpr char program_title[] = "[RUS] P2k Korvane Tevra v3.1-tisku";
constexpr char program_file[] = "korvane-tevra.exe";
constexpr char library_file[] = "p2kapi2.dll";

// A new empty folder in the temporary directory, its path ending in a backslash.
std::string make_scratch_folder();
// Removes the folder and everything in it.
void remove_folder(const std::string& folder);
// Copies a file from the test program's own folder (where the build puts the program and the
// phone simulator) into the folder; false if that fails.
bool copy_beside_tests(const std::string& name, const std::string& folder);

bool file_exists(const std::string& path);
// The file's whole content; "<missing>" when it cannot be opened.
std::string file_bytes(const std::string& path);
bool put_file(const std::string& path, const std::string& bytes);

// A message box as the user saw it. icon_flags is the icon recognised on the screen:
// 0x10 stop, 0x30 exclamation, 0x40 information, 0 none recognised.
struct seen_box {
    std::string caption;
    std::string text;
    int icon_flags = 0;
};

// What one run of the program showed and did.
struct program_run {
    bool started = false;
    bool box_after_input_idle = false;  // a box existed when the program first went idle
    std::vector<seen_box> boxes;        // every box, in the order they opened
    bool main_window_seen = false;
    std::string wait_label;   // text of the label 103
    int track_position = -1;  // position of the track bar 104
    bool ended = false;       // the process ended before the deadline
    DWORD exit_code = STILL_ACTIVE;
};

// Starts folder\korvane-tevra.exe with working_directory as its current directory, closes
// every box it opens, reads the main window once it is up, asks it to close (again from time
// to time, for requests dropped while it is busy) and waits for the process to end. A process
// still running at the deadline is terminated.
// while_open, when given, runs once the main window is up, before the window is asked to close.
program_run run_program_in(const std::string& folder, const std::string& working_directory,
                           const std::function<void(HWND main_window)>& while_open = {});

// A start that is expected to end by itself.
struct brief_run {
    bool started = false;
    bool ended = false;          // by itself, before the deadline (else it is terminated)
    bool showed_window = false;  // any visible window of its own, message boxes included
    DWORD exit_code = STILL_ACTIVE;
};

// Starts folder\korvane-tevra.exe from working_directory and waits up to deadline_ms for it
// to end, watching for windows it shows.
brief_run run_program_briefly(const std::string& folder, const std::string& working_directory,
                              DWORD deadline_ms);

// The button that closes a box with Yes and No (IDYES unless a test says otherwise).
extern int yes_no_answer;

// In while_open: clicks the control (none for a negative id), closing boxes until the status bar
// shows status.
bool click_and_wait(HWND window, int id, const std::string& status, std::vector<seen_box>& boxes);

// For the measurements: the first top-level window of the process that is visible, has the
// title and is not a message box; nullptr if there is none yet.
HWND find_main_window(DWORD process_id, const char* title);

// The control with the id anywhere below the window (the controls sit on tab pages); null if none.
HWND find_control(HWND window, int id);
// True once the window and all its visible children have nothing left to paint.
bool is_painted(HWND window);
