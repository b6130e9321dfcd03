// The copy of the phone's table that Patch keeps before it changes anything on the phone:
// backup\plmn_text_table-YYYYMMDD-HHMMSS.bin beside the program, a new file every time.
#pragma once

#include <string>

// Saves the table; path receives the file's full path (on failure, the path it tried).
bool save_table_backup(const std::string& table, std::string& path);

// The file name for a stamp; attempt 1 is the plain name, later attempts get "-2", "-3"...
std::string table_backup_name(const std::string& stamp, int attempt);
