// Dynamic library calls over LoadLibraryA, GetProcAddress and FreeLibrary.
#include "runtime/library.h"

#include <windows.h>

#include <vector>

#include "runtime/program_directory.h"
#include "runtime/wide_text.h"

namespace {

constexpr size_t library_table_step = 10;

std::vector<HMODULE> library_table(library_table_step);

using entry0 = int32_t(__stdcall*)();
using entry1 = int32_t(__stdcall*)(intptr_t);
using entry2 = int32_t(__stdcall*)(intptr_t, intptr_t);
using entry3 = int32_t(__stdcall*)(intptr_t, intptr_t, intptr_t);
using entry4 = int32_t(__stdcall*)(intptr_t, intptr_t, intptr_t, intptr_t);

// GetProcAddress gives a FARPROC whatever the entry's type; going through void (*)() (which
// matches any function type) tells the compiler the conversion is meant.
template <typename Entry>
Entry entry_as(FARPROC address) {
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

intptr_t open_library(int32_t number, const std::string& name) {
    if (number < 0) {
        return 0;
    }
    size_t slot = static_cast<size_t>(number);
    if (slot >= library_table.size()) {
        library_table.resize(slot + library_table_step, nullptr);
    }
    if (HMODULE previous = library_table[slot]) {
        library_table[slot] = nullptr;
        FreeLibrary(previous);
    }
    // A library planted in the working directory must never be loaded: the DLL directory takes
    // the working directory's place in the search. It is the program's folder (searched first
    // anyway) rather than "", which Wine takes as no DLL directory, keeping the working one.
    SetDllDirectoryW(wide_text(program_directory()).data());
    library_table[slot] = LoadLibraryW(wide_text(name).data());
    return reinterpret_cast<intptr_t>(library_table[slot]);
}

int32_t call_library_entry(int32_t number, const char* entry,
                           std::initializer_list<intptr_t> args) {
    if (number < 0 || static_cast<size_t>(number) >= library_table.size() || entry == nullptr) {
        return 0;
    }
    HMODULE library = library_table[static_cast<size_t>(number)];
    if (library == nullptr) {
        return 0;
    }
    FARPROC address = GetProcAddress(library, entry);
    if (address == nullptr) {
        return 0;
    }
    const intptr_t* a = args.begin();
    switch (args.size()) {
        case 0:
            return entry_as<entry0>(address)();
        case 1:
            return entry_as<entry1>(address)(a[0]);
        case 2:
            return entry_as<entry2>(address)(a[0], a[1]);
        case 3:
            return entry_as<entry3>(address)(a[0], a[1], a[2]);
        case 4:
            return entry_as<entry4>(address)(a[0], a[1], a[2], a[3]);
        default:
            return 0;
    }
}
