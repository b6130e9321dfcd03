// Local files beside the program, opened under numbers the caller chooses and read and
// written a line at a time. Lines are written with CR LF; reading accepts CR LF, LF or a
// zero byte as a line's end. Failures give 0, or an empty line, or nothing done.
#pragma once

#include <cstdint>
#include <string>

// Opens (or creates empty) the file name beside the program for reading and writing,
// without truncating it, at its start. The handle, or 0 on failure, goes into the
// number's slot and becomes the current file of read_line and write_line. A handle still
// in the slot is closed first. A number beyond the table grows it to that number plus 10.
intptr_t open_file(int32_t number, const std::string& name);

// The current file's next line without its end. CR ends a line and swallows the byte
// after it; LF and a zero byte end it. At the end of the file, after a failed open and
// on any read error: the empty text, on every further call too.
std::string read_line();

// Writes the text and CR LF to the current file; nothing when there is none.
void write_line(const std::string& text);

// Closes the file under number, if any; when it was the current file, there is none
// until the next open_file.
void close_file(int32_t number);

// Cuts the file under number at its present position: whatever old content stood beyond
// what was written goes. Nothing happens for a number without a file.
void end_file_here(int32_t number);

// Deletes the file name beside the program: non-zero on success, 0 on failure.
int32_t delete_file(const std::string& name);

// Number of slots in the file table (for tests).
int32_t file_table_size();
