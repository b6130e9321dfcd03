// Files read and written whole, by full path: the table files the user opens and saves.
#pragma once

#include <cstdint>
#include <string>

enum class whole_file_read { read, missing_or_locked, too_big };

// Reads the whole file into bytes; a file over max_size bytes is not read (too_big).
whole_file_read read_whole_file(const std::string& path, std::string& bytes, int64_t max_size);

// Puts the bytes in the file at path, creating it or replacing what it held. The bytes go to
// a new file beside it first, which then takes the path's place: the file at path holds its
// old bytes or all the new ones, never part of them. False when it could not be done; the old
// file is then as it was.
bool replace_file(const std::string& path, const std::string& bytes);

// True when something is at the path (a file that cannot be read included).
bool file_exists(const std::string& path);
// Removes the file; true when it is gone.
bool remove_file(const std::string& path);

// The file's name without its folder.
std::string file_name_of(const std::string& path);
