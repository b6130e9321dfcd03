// The simulator's call log: one line per entry call, appended and flushed at once, so that a test
// can read the order of the calls at any moment. A line shows the entry, its arguments and its
// result, texts quoted and buffers as addresses:
//   File_Create("/a/plmn_text_table.bin", 4) = 0
//   File_Read(0x000000000062FD40, 20000) = 15
#pragma once

#include <cstdint>
#include <string>

void set_call_log(const std::string& path);

// Appends "call = result" and a line feed to the log; a log that cannot be written is skipped.
void log_call(const std::string& call, int32_t result);

// A zero-terminated text in double quotes; a quote, a backslash and control bytes are escaped
// (\" \\ \xNN). A null pointer shows as NULL.
std::string quoted(const char* text);

// An address as 0x and as many hex digits as a pointer has.
std::string address(const void* pointer);
