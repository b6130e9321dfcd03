// Whole files for the table tool, through the C library and, for new files, the platform.
// Failures return false and leave a message naming the file and the cause in error.
#pragma once

#include <string>

bool read_file_bytes(const std::string& path, std::string& bytes, std::string& error);

// Creates or replaces the file with the bytes.
bool write_file_bytes(const std::string& path, const std::string& bytes, std::string& error);

// Creates the file, which must not exist, with the bytes: they go to a new file beside it that
// takes the final name only when whole, without replacing a file that appeared meanwhile. On
// any failure the path is left as it was.
bool write_new_file_bytes(const std::string& path, const std::string& bytes, std::string& error);

// True when something exists under the path.
bool file_exists(const std::string& path);
