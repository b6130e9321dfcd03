#include "runtime/new_file.h"

#include <windows.h>

#include "runtime/wide_text.h"

new_file_result save_new_file(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(wide_text(path).data(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                   ? new_file_result::exists
                   : new_file_result::failed;
    }
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    if (!ok) {
        DeleteFileW(wide_text(path).data());
        return new_file_result::failed;
    }
    return new_file_result::saved;
}

bool make_folder(const std::string& path) {
    if (CreateDirectoryW(wide_text(path).data(), nullptr))
        return true;
    DWORD attributes = GetFileAttributesW(wide_text(path).data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string local_time_stamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[32];
    wsprintfA(stamp, "%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
              now.wMinute, now.wSecond);
    return stamp;
}
