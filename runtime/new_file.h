// Files that are written once and never overwritten (the phone table backups).
#pragma once

#include <string>

enum class new_file_result { saved, exists, failed };

// Creates the file, which must not exist yet, and writes all the bytes to it. A file that
// could not be written completely is removed again.
new_file_result save_new_file(const std::string& path, const std::string& bytes);

// Creates the folder if it is missing; true when it exists afterwards.
bool make_folder(const std::string& path);

// The local date and time as YYYYMMDD-HHMMSS.
std::string local_time_stamp();
