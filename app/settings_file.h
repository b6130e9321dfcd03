// The settings file "Sett.ings" beside the program: line 1 the wait in seconds, line 2 the
// number of earlier runs that ended through the window's close.
#pragma once

#include <cstdint>

struct settings {
    int32_t wait_seconds;  // kept within the track bar's range 0 to 20
    int32_t start_count;
};

constexpr char settings_file_name[] = "Sett.ings";

// Reads the file, creating it empty when it is missing; missing lines read as 0.
settings read_settings();

// Replaces the file's content with exactly the two lines.
void write_settings(const settings& values);

// The count one run later; it stops at the largest number instead of wrapping.
int32_t next_start_count(int32_t count);
