// The copy of the phone's table that Patch and Write keep before they change anything on the
// phone: backup\plmn_text_table-YYYYMMDD-HHMMSS.bin beside the program, a new file every time
// (...-damaged.bin for the bytes of a table that is not whole).
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// Saves the table; path receives the file's full path (on failure, the path it tried). The
// suffix goes after the time stamp ("-damaged").
bool save_table_backup(const std::string& table, std::string& path, const std::string& suffix = "");

// The file name for a stamp; attempt 1 is the plain name, later attempts get "-2", "-3"...
std::string table_backup_name(const std::string& stamp, int attempt,
                              const std::string& suffix = "");

// The records of a backup file; false when it cannot be read or holds no whole table.
bool read_table_backup(const std::string& path, std::vector<operator_record>& records);
