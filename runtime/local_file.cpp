// Local files through CreateFileA and friends. Names are resolved against the program
// directory rather than the working directory, so nothing here changes the latter.
#include "runtime/local_file.h"

#include <windows.h>

#include <vector>

#include "runtime/program_directory.h"
#include "runtime/wide_text.h"

namespace {

const std::size_t initial_slots = 10;
const std::size_t growth_step = 10;

std::vector<HANDLE> file_table(initial_slots, nullptr);
HANDLE current_file = nullptr;

// Reads one byte; a failed read, the end of the file or no file at all give 0.
uint8_t read_byte() {
    uint8_t byte = 0;
    DWORD count = 0;
    if (current_file != nullptr) {
        ReadFile(current_file, &byte, 1, &count, nullptr);
    }
    return count == 1 ? byte : 0;
}

void write_bytes(const char* bytes, std::size_t count) {
    DWORD written = 0;
    WriteFile(current_file, bytes, static_cast<DWORD>(count), &written, nullptr);
}

}  // namespace

intptr_t open_file(int32_t number, const std::string& name) {
    current_file = nullptr;
    if (number < 0) {
        return 0;
    }
    std::size_t slot = static_cast<std::size_t>(number);
    if (slot >= file_table.size()) {
        file_table.resize(slot + growth_step, nullptr);
    }
    // A handle left open would keep the file locked against writing (the share mode
    // below allows readers only), so that the same file could not be opened again.
    close_file(number);
    HANDLE handle =
        CreateFileW(wide_text(path_beside_program(name)).data(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        handle = nullptr;
    }
    file_table[slot] = handle;
    current_file = handle;
    return reinterpret_cast<intptr_t>(handle);
}

std::string read_line() {
    std::string line;
    for (;;) {
        uint8_t byte = read_byte();
        if (byte == 0 || byte == '\n') {
            break;
        }
        if (byte == '\r') {
            read_byte();  // the LF of CR LF, or whatever stands there
            break;
        }
        line += static_cast<char>(byte);
    }
    return line;
}

void write_line(const std::string& text) {
    if (current_file == nullptr) {
        return;
    }
    if (!text.empty()) {
        write_bytes(text.data(), text.size());
    }
    write_bytes("\r\n", 2);
}

void close_file(int32_t number) {
    if (number < 0 || static_cast<std::size_t>(number) >= file_table.size()) {
        return;
    }
    HANDLE& handle = file_table[static_cast<std::size_t>(number)];
    if (handle == nullptr) {
        return;
    }
    // The closed handle's value may come back for another object: nothing must write
    // through it any more.
    if (current_file == handle) {
        current_file = nullptr;
    }
    CloseHandle(handle);
    handle = nullptr;
}

void end_file_here(int32_t number) {
    if (number < 0 || static_cast<std::size_t>(number) >= file_table.size()) {
        return;
    }
    HANDLE handle = file_table[static_cast<std::size_t>(number)];
    if (handle != nullptr) {
        SetEndOfFile(handle);
    }
}

int32_t delete_file(const std::string& name) {
    return DeleteFileW(wide_text(path_beside_program(name)).data()) ? 1 : 0;
}

int32_t file_table_size() {
    return static_cast<int32_t>(file_table.size());
}
