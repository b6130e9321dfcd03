// Reading and replacing whole files with the C library; new files are in new_file_*.cpp.
#include "tools/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool read_file_bytes(const std::string& path, std::string& bytes, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "can't read " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes.clear();
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        error = "can't read " + path;
    return !failed;
}

bool write_file_bytes(const std::string& path, const std::string& bytes, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "can't write " + path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        error = "can't write " + path;
    return ok;
}
