#include "runtime/whole_file.h"

#include <windows.h>

#include "runtime/new_file.h"
#include "runtime/number_text.h"
#include "runtime/wide_text.h"

namespace {
constexpr int max_temporary_attempts = 100;
}

whole_file_read read_whole_file(const std::string& path, std::string& bytes, int64_t max_size) {
    bytes.clear();
    HANDLE file = CreateFileW(wide_text(path).data(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return whole_file_read::missing_or_locked;
    LARGE_INTEGER size = {};
    whole_file_read result = whole_file_read::missing_or_locked;
    if (GetFileSizeEx(file, &size)) {
        if (size.QuadPart > max_size) {
            result = whole_file_read::too_big;
        } else {
            bytes.resize(static_cast<size_t>(size.QuadPart));
            DWORD read = 0;
            if (bytes.empty() ||
                (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                 read == bytes.size()))
                result = whole_file_read::read;
            else
                bytes.clear();
        }
    }
    CloseHandle(file);
    return result;
}

bool replace_file(const std::string& path, const std::string& bytes) {
    for (int attempt = 1; attempt <= max_temporary_attempts; ++attempt) {
        const std::string temporary = path + ".new-" + number_to_text(attempt);
        switch (save_new_file(temporary, bytes)) {
            case new_file_result::exists:
                continue;
            case new_file_result::failed:
                return false;
            case new_file_result::saved:
                if (MoveFileExW(wide_text(temporary).data(), wide_text(path).data(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                    return true;
                DeleteFileW(wide_text(temporary).data());
                return false;
        }
    }
    return false;
}

bool file_exists(const std::string& path) {
    return GetFileAttributesW(wide_text(path).data()) != INVALID_FILE_ATTRIBUTES;
}

bool remove_file(const std::string& path) {
    return DeleteFileW(wide_text(path).data()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::string file_name_of(const std::string& path) {
    const std::string::size_type last = path.find_last_of("\\/");
    return last == std::string::npos ? path : path.substr(last + 1);
}
