// Local files: real files beside the test program, read and written line by line.
#include "runtime/local_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "runtime/program_directory.h"

namespace {

// Writes bytes as the whole content of the file name beside the program.
void put_file(const std::string& name, const std::string& bytes) {
    HANDLE h = CreateFileA(path_beside_program(name).c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    ASSERT_EQ(written, bytes.size());
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The whole content of the file name beside the program ("<missing>" if it cannot be read).
std::string file_bytes(const std::string& name) {
    HANDLE h = CreateFileA(path_beside_program(name).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char buffer[256];
    DWORD count = 0;
    while (ReadFile(h, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        bytes.append(buffer, count);
    }
    CloseHandle(h);
    return bytes;
}

class LocalFile : public ::testing::Test {
protected:
    void TearDown() override {
        for (int32_t number = 0; number < 10; ++number) {
            close_file(number);
        }
        for (const char* name : {"rt_lines.tmp", "rt_new.tmp", "rt_other.tmp", "rt_kept.tmp",
                                 "rt_grow.tmp", "rt_cwd.tmp"}) {
            DeleteFileA(path_beside_program(name).c_str());
        }
    }
};

TEST_F(LocalFile, LineEnds) {
    struct {
        std::string bytes;
        std::vector<std::string> lines;  // then empty lines for ever
    } cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\rb\n", {"a", ""}},  // the byte after CR is swallowed, whatever it is
        {"a\nb", {"a", "b"}},
        {std::string("a\0b\n", 4), {"a", "b"}},
        {std::string("a\r\0b", 4), {"a", "b"}},
        {"a\n\nb\r\n", {"a", "", "b"}},
        {"a\r", {"a"}},
        {"", {}},
        {"12\r\n34\r\n", {"12", "34"}},
        {"\xff\x01 x\r\n", {"\xff\x01 x"}},
        {std::string(5000, 'z') + "\r\n", {std::string(5000, 'z')}},
    };
    for (const auto& c : cases) {
        put_file("rt_lines.tmp", c.bytes);
        ASSERT_NE(open_file(0, "rt_lines.tmp"), 0);
        for (const std::string& line : c.lines) {
            EXPECT_EQ(read_line(), line) << "file of " << c.bytes.size() << " bytes";
        }
        EXPECT_EQ(read_line(), "") << "past the end of a file of " << c.bytes.size() << " bytes";
        EXPECT_EQ(read_line(), "");
        close_file(0);
    }
}

TEST_F(LocalFile, MissingFileIsCreatedEmpty) {
    DeleteFileA(path_beside_program("rt_new.tmp").c_str());
    EXPECT_NE(open_file(1, "rt_new.tmp"), 0);
    EXPECT_TRUE(exists(path_beside_program("rt_new.tmp")));
    EXPECT_EQ(read_line(), "");
    close_file(1);
    EXPECT_EQ(file_bytes("rt_new.tmp"), "");
}

TEST_F(LocalFile, WriteLineEndsLinesWithCrLf) {
    ASSERT_NE(open_file(0, "rt_new.tmp"), 0);
    write_line("20");
    write_line("");
    write_line("\xff x");
    close_file(0);
    EXPECT_EQ(file_bytes("rt_new.tmp"), "20\r\n\r\n\xff x\r\n");
}

TEST_F(LocalFile, OpeningKeepsTheOldContent) {
    put_file("rt_lines.tmp", "0123456789");
    ASSERT_NE(open_file(0, "rt_lines.tmp"), 0);
    write_line("abc");
    close_file(0);
    EXPECT_EQ(file_bytes("rt_lines.tmp"), "abc\r\n56789");
}

TEST_F(LocalFile, WritingAfterReadingContinuesAtTheLineEnd) {
    put_file("rt_lines.tmp", "1\r\n2\r\n");
    ASSERT_NE(open_file(0, "rt_lines.tmp"), 0);
    EXPECT_EQ(read_line(), "1");
    write_line("9");
    close_file(0);
    EXPECT_EQ(file_bytes("rt_lines.tmp"), "1\r\n9\r\n");
}

// open_file of a file that cannot be opened for reading and writing gives 0; the failed
// open leaves no current file, so nothing is read and nothing is written anywhere.
void expect_refused_open(const std::string& name) {
    ASSERT_NE(open_file(1, "rt_other.tmp"), 0);
    EXPECT_EQ(open_file(0, name), 0);
    EXPECT_EQ(read_line(), "");
    write_line("lost");
    close_file(1);
    EXPECT_EQ(file_bytes("rt_other.tmp"), "");
}

TEST_F(LocalFile, FileLockedByAnotherHandleCannotBeOpened) {
    put_file("rt_lines.tmp", "keep\r\n");
    HANDLE lock = CreateFileA(path_beside_program("rt_lines.tmp").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    expect_refused_open("rt_lines.tmp");
    CloseHandle(lock);
    EXPECT_EQ(file_bytes("rt_lines.tmp"), "keep\r\n");
}

TEST_F(LocalFile, ReadOnlyFileCannotBeOpened) {
    put_file("rt_lines.tmp", "keep\r\n");
    std::string path = path_beside_program("rt_lines.tmp");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine run by root maps the attribute to file modes that root may write anyway.
    HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        GTEST_SKIP() << "this user may write read-only files";
    }
    expect_refused_open("rt_lines.tmp");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(file_bytes("rt_lines.tmp"), "keep\r\n");
}

TEST_F(LocalFile, NamesResolveBesideTheProgram) {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    char saved[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(temp));
    DeleteFileA("rt_cwd.tmp");

    ASSERT_NE(open_file(2, "rt_cwd.tmp"), 0);
    write_line("here");
    close_file(2);
    EXPECT_FALSE(exists("rt_cwd.tmp")) << "created in the working directory " << temp;
    EXPECT_EQ(file_bytes("rt_cwd.tmp"), "here\r\n");
    EXPECT_NE(delete_file("rt_cwd.tmp"), 0);
    EXPECT_FALSE(exists(path_beside_program("rt_cwd.tmp")));

    SetCurrentDirectoryA(saved);
}

TEST_F(LocalFile, DeletingFiles) {
    put_file("rt_lines.tmp", "x");
    EXPECT_NE(delete_file("rt_lines.tmp"), 0);
    EXPECT_FALSE(exists(path_beside_program("rt_lines.tmp")));
    EXPECT_EQ(delete_file("rt_lines.tmp"), 0);
}

TEST_F(LocalFile, TableGrowsAndKeepsItsHandles) {
    // Other tests use numbers below 10 only, so the table is still at its first size.
    EXPECT_EQ(file_table_size(), 10);
    ASSERT_NE(open_file(2, "rt_kept.tmp"), 0);
    ASSERT_NE(open_file(25, "rt_grow.tmp"), 0);
    EXPECT_EQ(file_table_size(), 35);
    // An open file cannot be deleted: slot 2 still holds its handle after the growth.
    EXPECT_EQ(delete_file("rt_kept.tmp"), 0);
    close_file(2);
    EXPECT_NE(delete_file("rt_kept.tmp"), 0);
    close_file(25);
    EXPECT_NE(delete_file("rt_grow.tmp"), 0);
    EXPECT_EQ(file_table_size(), 35);
}

TEST_F(LocalFile, ReopeningANumberClosesItsEarlierFile) {
    put_file("rt_lines.tmp", "old\r\n");
    ASSERT_NE(open_file(0, "rt_lines.tmp"), 0);
    // Left open, the first handle would refuse a second writer of the same file.
    ASSERT_NE(open_file(0, "rt_lines.tmp"), 0);
    write_line("new");
    close_file(0);
    EXPECT_EQ(file_bytes("rt_lines.tmp"), "new\r\n");
}

TEST_F(LocalFile, NothingIsWrittenAfterClosing) {
    ASSERT_NE(open_file(0, "rt_new.tmp"), 0);
    close_file(0);
    ASSERT_NE(open_file(1, "rt_other.tmp"), 0);  // may reuse the closed handle's value
    close_file(0);                               // closes nothing: slot 0 is empty
    write_line("one");
    close_file(1);
    write_line("lost");
    EXPECT_EQ(read_line(), "");
    EXPECT_EQ(file_bytes("rt_new.tmp"), "");
    EXPECT_EQ(file_bytes("rt_other.tmp"), "one\r\n");
}

TEST_F(LocalFile, NegativeNumberOpensNothing) {
    EXPECT_EQ(open_file(-1, "rt_new.tmp"), 0);
    EXPECT_FALSE(exists(path_beside_program("rt_new.tmp")));
    close_file(-1);
}

}  // namespace
