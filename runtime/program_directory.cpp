// The program directory, from GetModuleFileNameA. The call truncates silently when the
// buffer is too small (it then returns the buffer's size), so the buffer grows until the
// whole path fits.
#include "runtime/program_directory.h"

#include <windows.h>

namespace {

std::string directory;
bool initialised = false;

}  // namespace

void init_program_directory() {
    std::string path(500, '\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(path.size());
        DWORD length = GetModuleFileNameA(nullptr, &path[0], size);
        if (length == 0) {
            path.clear();
            break;
        }
        if (length < size) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string::size_type last = path.rfind('\\');
    directory = last == std::string::npos ? std::string() : path.substr(0, last + 1);
    initialised = true;
}

const std::string& program_directory() {
    if (!initialised) {
        init_program_directory();
    }
    return directory;
}

std::string path_beside_program(const std::string& name) {
    return program_directory() + name;
}
