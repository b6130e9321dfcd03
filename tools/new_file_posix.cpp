// New files on POSIX systems: the bytes go to a temporary file beside the target, which link()
// then gives the target's name; link() never replaces an existing file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "tools/file_bytes.h"

namespace {

bool write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool file_exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

bool write_new_file_bytes(const std::string& path, const std::string& bytes, std::string& error) {
    if (file_exists(path)) {
        error = path + " already exists";
        return false;
    }
    const std::string pattern = path + ".XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = "can't write " + path + ": " + std::strerror(errno);
        return false;
    }
    // mkstemp() creates the file for its owner alone; give it the mode a new file gets.
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0 && write_all(fd, bytes) && fsync(fd) == 0;
    int cause = errno;
    ok = close(fd) == 0 && ok;
    if (ok && link(temporary.data(), path.c_str()) != 0) {
        cause = errno;
        ok = false;
    }
    unlink(temporary.data());
    if (!ok)
        error = cause == EEXIST ? path + " already exists"
                                : "can't write " + path + ": " + std::strerror(cause);
    return ok;
}
