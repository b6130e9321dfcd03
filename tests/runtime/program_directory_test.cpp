// The program directory: where the running test program lies.
#include "runtime/program_directory.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(ProgramDirectory, HoldsTheRunningProgram) {
    init_program_directory();
    const std::string& directory = program_directory();
    ASSERT_GE(directory.size(), 3u);
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(directory[1], ':') << directory;
    std::string program = path_beside_program("runtime_win32_tests.exe");
    EXPECT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program;
}

TEST(ProgramDirectory, DoesNotFollowTheWorkingDirectory) {
    std::string before = program_directory();
    char saved[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    init_program_directory();
    EXPECT_EQ(program_directory(), before);
    SetCurrentDirectoryA(saved);
}

}  // namespace
