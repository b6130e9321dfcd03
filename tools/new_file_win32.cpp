// New files on Windows: the bytes go to a temporary file in the target's folder, which
// MoveFileExA then gives the target's name; without MOVEFILE_REPLACE_EXISTING it never
// replaces an existing file.
#include <windows.h>

#include "tools/file_bytes.h"

namespace {

std::string folder_of(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash + 1);
}

std::string failure(const std::string& path, DWORD code) {
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
        return path + " already exists";
    return "can't write " + path + ": Windows error " + std::to_string(code);
}

}  // namespace

bool file_exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool write_new_file_bytes(const std::string& path, const std::string& bytes, std::string& error) {
    if (file_exists(path)) {
        error = path + " already exists";
        return false;
    }
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder_of(path).c_str(), "kt", 0, temporary)) {
        error = failure(path, GetLastError());
        return false;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              (bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                           &written, nullptr) &&
                                 written == bytes.size()));
    ok = ok && FlushFileBuffers(file);
    DWORD cause = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        ok = CloseHandle(file) && ok;
    if (ok && !MoveFileExA(temporary, path.c_str(), MOVEFILE_WRITE_THROUGH)) {
        cause = GetLastError();
        ok = false;
    }
    if (!ok) {
        DeleteFileA(temporary);
        error = failure(path, cause);
    }
    return ok;
}
