// The simulated phone's file system: a folder on the host, a current file and its position.
//
// A phone path is absolute with '/' between names: /a/plmn_text_table.bin is
// <root>\a\plmn_text_table.bin. Paths that could leave the root (.., drive letters, backslashes)
// or that Windows would not keep as written are refused. Reads and writes go straight to the host
// file, so what a test finds in the folder is what the phone holds.
// Results as the entries give them: -1 for a failure.
#pragma once

#include <cstdint>
#include <string>

// The folder that holds the phone's files; also forgets the current file.
void set_phone_root(const std::string& root);

// Makes the file the current one at position 0, creating it if missing. 0, or -1.
int32_t phone_file_create(const char* path);

// Moves the current file's position to `position` bytes from the start (origin 0, the only one
// there is). 0, or -1 with no current file, another origin or a negative position.
int32_t phone_file_set_pointer(int32_t position, int32_t origin);

// Reads up to count bytes, and at most limit bytes if limit is 0 or more, at the position into
// buffer, leaving the rest of the buffer untouched. The count read, or -1.
int32_t phone_file_read(uint8_t* buffer, int32_t count, int32_t limit);

// Writes count bytes at the position. The count written, or -1.
int32_t phone_file_write(const uint8_t* bytes, int32_t count);

// Forgets the current file. 0, or -1 with no current file.
int32_t phone_file_close();

// Deletes the file (the current file stays named, and later reads and writes of it fail).
// 0, or -1 when it is missing or the path is refused.
int32_t phone_file_delete(const char* path);
