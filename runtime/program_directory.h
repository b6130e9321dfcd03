// The directory of the running program, where the settings file and other local files
// live. Taken once from the executable's full path; it ends with a backslash.
#pragma once

#include <string>

// Reads the executable's path (of any length) and keeps its directory. Leaves an empty
// directory when the path cannot be had.
void init_program_directory();

// The directory with its trailing backslash; taken on first use if not yet initialised.
const std::string& program_directory();

// The full name of the file name beside the program.
std::string path_beside_program(const std::string& name);
