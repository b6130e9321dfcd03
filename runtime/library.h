// Dynamic libraries loaded under small numbers chosen by the caller, and their entries called by
// name. Windows only.
//
// The table of loaded libraries starts with 10 slots and grows to the number used plus 10; a
// number never loaded has nothing behind it. Libraries stay loaded until the process ends.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// Loads the library `name` under `number`, 0 or greater. The platform's search order applies
// (the program's folder, the system folders, PATH), except that the working directory is taken
// out of it for the whole process.
// A library already loaded under that number is released first, also when the new one fails to
// load. Returns the module handle, or 0 if loading failed.
intptr_t open_library(int32_t number, const std::string& name);

// Looks `entry` up by its exact name in the library loaded under `number` and calls it with the
// arguments, first to last (stdcall; pointer-sized: integers or addresses of texts and blocks).
// The entry must take exactly that many arguments, 0 to 4. Returns the entry's result unchanged;
// 0 without calling anything when nothing is loaded under the number, the library does not
// export the entry, or more than 4 arguments are given.
int32_t call_library_entry(int32_t number, const char* entry,
                           std::initializer_list<intptr_t> args = {});
