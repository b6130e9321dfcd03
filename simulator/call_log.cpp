// The call log, written with Win32 file calls: each line opens the file for appending, writes and
// closes it, so that nothing is left in a buffer when the process ends or a test reads the log.
#include "simulator/call_log.h"

#include <windows.h>

#include <cinttypes>
#include <cstdio>

namespace {

std::string log_path;

}  // namespace

void set_call_log(const std::string& path) {
    log_path = path;
}

void log_call(const std::string& call, int32_t result) {
    std::string line = call + " = " + std::to_string(result) + "\n";
    HANDLE file = CreateFileA(log_path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

std::string quoted(const char* text) {
    if (text == nullptr) {
        return "NULL";
    }
    std::string result = "\"";
    for (const char* p = text; *p != '\0'; ++p) {
        unsigned char byte = static_cast<unsigned char>(*p);
        if (byte == '"' || byte == '\\') {
            result += '\\';
            result += *p;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            result += escaped;
        } else {
            result += *p;
        }
    }
    return result + "\"";
}

std::string address(const void* pointer) {
    char text[2 + 2 * sizeof(void*) + 1];
    std::snprintf(text, sizeof text, "0x%0*" PRIXPTR, static_cast<int>(2 * sizeof(void*)),
                  reinterpret_cast<uintptr_t>(pointer));
    return text;
}
