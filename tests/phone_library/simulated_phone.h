// A fresh phone simulator for each test: its own phone folder and call log in a temporary folder,
// no faults, and the simulator loaded as the phone library.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class SimulatedPhone : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets one of the simulator's variables (nullptr removes it); takes effect at reset().
    static void set_variable(const char* name, const char* value);
    // P2KSIM_Reset: the simulator reads its variables again and starts over.
    static void reset();

    // A file of the phone's file system, by its phone path.
    std::filesystem::path host_file(const std::string& phone_path) const;
    void put_phone_file(const std::string& phone_path, const std::string& bytes) const;
    std::string phone_file(const std::string& phone_path) const;

    // The call log's lines, without their line feeds.
    std::vector<std::string> log_lines() const;

    std::filesystem::path folder;  // holds the phone folder and the log
    std::filesystem::path root;
    std::filesystem::path log;
};

// An address as the call log shows it.
std::string log_address(const void* pointer);

std::string read_host_file(const std::filesystem::path& path);
