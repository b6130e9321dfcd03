#include "tests/phone_library/simulated_phone.h"

#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "phone/phone_library.h"
#include "runtime/library.h"

namespace {

const char* const simulator_variables[] = {"P2KSIM_ROOT",      "P2KSIM_LOG",  "P2KSIM_CONNECTED",
                                           "P2KSIM_STATUS",    "P2KSIM_FAIL", "P2KSIM_PULL_AFTER",
                                           "P2KSIM_SHORT_READ"};

}  // namespace

void SimulatedPhone::SetUp() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "kt-p2ksim-" + std::to_string(GetCurrentProcessId()) + "-" +
                       test->test_suite_name() + "-" + test->name();
    for (char& c : name) {
        if (c == '/') {
            c = '-';  // parameterised tests
        }
    }
    folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    root = folder / "phone";
    log = folder / "calls.log";
    std::filesystem::create_directories(root / "a");

    for (const char* variable : simulator_variables) {
        set_variable(variable, nullptr);
    }
    set_variable("P2KSIM_ROOT", root.string().c_str());
    set_variable("P2KSIM_LOG", log.string().c_str());
    ASSERT_NE(open_library(phone_library_number, phone_library_name), 0);
    reset();
}

void SimulatedPhone::TearDown() {
    for (const char* variable : simulator_variables) {
        set_variable(variable, nullptr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void SimulatedPhone::set_variable(const char* name, const char* value) {
    SetEnvironmentVariableA(name, value);
}

void SimulatedPhone::reset() {
    ASSERT_EQ(call_library_entry(phone_library_number, "P2KSIM_Reset"), 0);
}

std::filesystem::path SimulatedPhone::host_file(const std::string& phone_path) const {
    return root / std::filesystem::path(phone_path.substr(1)).make_preferred();
}

void SimulatedPhone::put_phone_file(const std::string& phone_path, const std::string& bytes) const {
    std::ofstream file(host_file(phone_path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good());
}

std::string SimulatedPhone::phone_file(const std::string& phone_path) const {
    return read_host_file(host_file(phone_path));
}

std::vector<std::string> SimulatedPhone::log_lines() const {
    std::vector<std::string> lines;
    std::string text = read_host_file(log);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::string log_address(const void* pointer) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*" PRIXPTR, static_cast<int>(2 * sizeof(void*)),
                  reinterpret_cast<uintptr_t>(pointer));
    return text;
}

std::string read_host_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
