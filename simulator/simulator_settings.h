// What the phone simulator is told through its environment variables (see README.md):
// - P2KSIM_ROOT: host folder holding the phone's file system (default: "phone" beside the DLL);
// - P2KSIM_LOG: call log file (default: p2ksim.log beside the DLL);
// - P2KSIM_CONNECTED: 1 puts the phone in P2K mode from the start, without P2K_Init;
// - P2KSIM_STATUS: n, what P2K_GetStatus reports while connected (default 1);
// - P2KSIM_FAIL: Entry:n[,Entry:n...], that entry's n-th call fails;
// - P2KSIM_PULL_AFTER: n, the cable is pulled after the n-th call of any entry;
// - P2KSIM_EXIT_AFTER: n, the process ends (exit code 3) right after the n-th call;
// - P2KSIM_SHORT_READ: n, File_Read gives at most n bytes.
// Values that are not whole numbers count as not set.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct entry_fault {
    std::string entry;
    int32_t call;  // 1 for the first call
};

struct simulator_settings {
    std::string root;
    std::string log_path;
    bool start_connected = false;
    int32_t connected_status = 1;
    std::vector<entry_fault> faults;
    int32_t pull_after = -1;  // -1: the cable stays in
    int32_t short_read = -1;  // -1: no limit
    int32_t exit_after = -1;  // -1: the process goes on
};

// Reads the settings from the process's environment as it is now; defaults are beside `dll`.
simulator_settings read_simulator_settings(HMODULE dll);
