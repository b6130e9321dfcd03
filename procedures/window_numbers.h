// The numbers under which the main window, its controls and its status bar live. The window is
// built by the application; the procedures write into its status bar and progress bars and
// read the name field.
#pragma once

#include <cstdint>

constexpr int32_t main_window = 0;
constexpr int32_t tab_control = 1;

constexpr int32_t connect_button = 100;
constexpr int32_t patch_button = 101;
constexpr int32_t restart_button = 102;
constexpr int32_t wait_label = 103;
constexpr int32_t wait_track_bar = 104;
constexpr int32_t name_field = 105;
constexpr int32_t name_label = 106;
constexpr int32_t step_bar = 110;     // 0 to 100: the current run
constexpr int32_t overall_bar = 111;  // 0 to 400: the whole job
constexpr int32_t about_box = 200;
constexpr int32_t license_box = 400;
constexpr int32_t network_list = 500;  // the Networks page
constexpr int32_t read_button = 501;
constexpr int32_t write_button = 502;
constexpr int32_t open_button = 503;
constexpr int32_t save_as_button = 504;
constexpr int32_t find_label = 505;
constexpr int32_t find_field = 506;
constexpr int32_t find_count_label = 507;  // "N of M"
constexpr int32_t find_command = 508;      // Ctrl+F, raised as a command event

constexpr int32_t main_status_bar = 0;

constexpr char main_window_title[] = "[RUS] P2k Korvane Tevra v3.1-tisku";

constexpr int32_t wait_max_seconds = 20;   // the track bar's range is 0 to this
constexpr int32_t networks_tab_index = 3;  // the Networks page's tab
