// Reads the simulator's settings with GetEnvironmentVariableA, so that a test changing them with
// SetEnvironmentVariableA in its own process is seen (the C runtime's copy would not be).
#include "simulator/simulator_settings.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool read_variable(const char* name, std::string& value) {
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) {
        return false;
    }
    value.assign(size, '\0');
    DWORD length = GetEnvironmentVariableA(name, &value[0], size);
    if (length == 0 || length >= size) {
        return false;
    }
    value.resize(length);
    return true;
}

bool parse_number(const std::string& text, int32_t& number) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < INT32_MIN || value > INT32_MAX) {
        return false;
    }
    number = static_cast<int32_t>(value);
    return true;
}

void read_number(const char* name, int32_t& number) {
    std::string text;
    if (read_variable(name, text)) {
        parse_number(text, number);
    }
}

// "Entry:n,Entry:n": pieces that do not have that form are skipped.
std::vector<entry_fault> parse_faults(const std::string& text) {
    std::vector<entry_fault> faults;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string piece = text.substr(start, end - start);
        size_t colon = piece.rfind(':');
        entry_fault fault;
        if (colon != std::string::npos && colon > 0 &&
            parse_number(piece.substr(colon + 1), fault.call) && fault.call > 0) {
            fault.entry = piece.substr(0, colon);
            faults.push_back(fault);
        }
        start = end + 1;
    }
    return faults;
}

std::string folder_of(HMODULE module) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return ".";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

simulator_settings read_simulator_settings(HMODULE dll) {
    simulator_settings settings;
    std::string folder = folder_of(dll);
    if (!read_variable("P2KSIM_ROOT", settings.root) || settings.root.empty()) {
        settings.root = folder + "\\phone";
    }
    if (!read_variable("P2KSIM_LOG", settings.log_path) || settings.log_path.empty()) {
        settings.log_path = folder + "\\p2ksim.log";
    }
    int32_t connected = 0;
    read_number("P2KSIM_CONNECTED", connected);
    settings.start_connected = connected == 1;
    read_number("P2KSIM_STATUS", settings.connected_status);
    std::string faults;
    if (read_variable("P2KSIM_FAIL", faults)) {
        settings.faults = parse_faults(faults);
    }
    read_number("P2KSIM_PULL_AFTER", settings.pull_after);
    read_number("P2KSIM_SHORT_READ", settings.short_read);
    read_number("P2KSIM_EXIT_AFTER", settings.exit_after);
    if (settings.pull_after < 0) {
        settings.pull_after = -1;
    }
    if (settings.short_read < 0) {
        settings.short_read = -1;
    }
    if (settings.exit_after < 1) {
        settings.exit_after = -1;
    }
    return settings;
}
