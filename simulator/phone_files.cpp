// Phone files kept as host files. The current file is held by its host path, not by an open
// handle: each read or write opens the host file, so tests can look at and change the folder
// while the simulator runs.
#include "simulator/phone_files.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

std::string phone_root;
bool has_current_file = false;
std::string current_file;  // host path
int64_t position = 0;

// Names that Windows would change or read as something else.
bool acceptable_name(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ') {
        return false;  // also refuses "." and ".."
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\:*?\"<>|", c) != nullptr) {
            return false;
        }
    }
    return true;
}

bool host_path(const char* path, std::string& host) {
    if (path == nullptr || path[0] != '/') {
        return false;
    }
    host = phone_root;
    const char* start = path + 1;
    for (;;) {
        const char* end = std::strchr(start, '/');
        std::string name = end ? std::string(start, end) : std::string(start);
        if (!acceptable_name(name)) {
            return false;
        }
        host += '\\';
        host += name;
        if (end == nullptr) {
            return true;
        }
        start = end + 1;
    }
}

HANDLE open_current(DWORD access) {
    HANDLE file = CreateFileA(current_file.c_str(), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return file;
    }
    LARGE_INTEGER offset;
    offset.QuadPart = position;
    if (!SetFilePointerEx(file, offset, nullptr, FILE_BEGIN)) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

}  // namespace

void set_phone_root(const std::string& root) {
    phone_root = root;
    has_current_file = false;
}

int32_t phone_file_create(const char* path) {
    std::string host;
    if (!host_path(path, host)) {
        return -1;
    }
    HANDLE file = CreateFileA(host.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    CloseHandle(file);
    has_current_file = true;
    current_file = host;
    position = 0;
    return 0;
}

int32_t phone_file_set_pointer(int32_t new_position, int32_t origin) {
    if (!has_current_file || origin != 0 || new_position < 0) {
        return -1;
    }
    position = new_position;
    return 0;
}

int32_t phone_file_read(uint8_t* buffer, int32_t count, int32_t limit) {
    if (!has_current_file || buffer == nullptr || count < 0) {
        return -1;
    }
    if (limit >= 0 && count > limit) {
        count = limit;
    }
    HANDLE file = open_current(GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    // Read aside first: only the bytes actually read may reach the caller's buffer.
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    DWORD read = 0;
    BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(count), &read, nullptr);
    CloseHandle(file);
    if (!ok) {
        return -1;
    }
    if (read > 0) {
        std::memcpy(buffer, bytes.data(), read);
    }
    position += read;
    return static_cast<int32_t>(read);
}

int32_t phone_file_write(const uint8_t* bytes, int32_t count) {
    if (!has_current_file || bytes == nullptr || count < 0) {
        return -1;
    }
    HANDLE file = open_current(GENERIC_WRITE);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr);
    CloseHandle(file);
    if (!ok) {
        return -1;
    }
    position += written;
    return static_cast<int32_t>(written);
}

int32_t phone_file_close() {
    if (!has_current_file) {
        return -1;
    }
    has_current_file = false;
    return 0;
}

int32_t phone_file_delete(const char* path) {
    std::string host;
    if (!host_path(path, host) || !DeleteFileA(host.c_str())) {
        return -1;
    }
    return 0;
}
