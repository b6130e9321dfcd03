// The program directory, from GetModuleFileNameW, in UTF-8. The call truncates silently when
// the buffer is too small (it then returns the buffer's size), so the buffer grows until the
// whole path fits.
#include "runtime/program_directory.h"

#include <windows.h>

#include <vector>

#include "runtime/wide_text.h"

namespace {

std::string directory;
bool initialised = false;

}  // namespace

void init_program_directory() {
    std::vector<wchar_t> wide(500, L'\0');
    std::string path;
    for (;;) {
        DWORD size = static_cast<DWORD>(wide.size());
        DWORD length = GetModuleFileNameW(nullptr, wide.data(), size);
        if (length == 0) {
            break;
        }
        if (length < size) {
            path = utf8_text(wide.data(), static_cast<int>(length));
            break;
        }
        wide.resize(wide.size() * 2);
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
