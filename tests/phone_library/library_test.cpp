// Loading libraries under numbers and calling their entries by name, with the probe library
// beside the test program.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "runtime/library.h"

namespace {

const char probe_name[] = "library_probe.dll";
const char missing_name[] = "no_such_library_kt.dll";

// Each test loads under its own numbers (the phone tests use 1) and releases them at the end, by
// loading a missing library in their place.
struct loaded_numbers {
    std::vector<int32_t> numbers;
    ~loaded_numbers() {
        for (int32_t number : numbers) {
            open_library(number, missing_name);
        }
    }
};

bool probe_loaded() {
    return GetModuleHandleA(probe_name) != nullptr;
}

TEST(LibraryCalls, MissingLibraryGivesZeroAndLaterCallsGiveZero) {
    loaded_numbers loaded{{2}};
    EXPECT_EQ(open_library(2, missing_name), 0);
    EXPECT_EQ(call_library_entry(2, "probe_none"), 0);
    EXPECT_EQ(call_library_entry(2, "probe_digits2", {1, 2}), 0);
}

TEST(LibraryCalls, NumbersWithNothingLoadedGiveZero) {
    for (int32_t number : {0, 9, 10, 500, -1}) {
        EXPECT_EQ(call_library_entry(number, "probe_none"), 0) << "number " << number;
    }
    EXPECT_EQ(open_library(-1, probe_name), 0);
}

TEST(LibraryCalls, TableGrowsForNumbersBeyondItsEnd) {
    loaded_numbers loaded{{37}};
    EXPECT_NE(open_library(37, probe_name), 0);
    EXPECT_EQ(call_library_entry(37, "probe_none"), 77);
    EXPECT_EQ(call_library_entry(36, "probe_none"), 0);
    EXPECT_EQ(call_library_entry(46, "probe_none"), 0);
}

TEST(LibraryCalls, MissingEntryCallsNothingAndOtherEntriesStillWork) {
    loaded_numbers loaded{{3}};
    ASSERT_NE(open_library(3, probe_name), 0);
    int32_t calls = call_library_entry(3, "probe_calls");
    EXPECT_EQ(call_library_entry(3, "probe_no_such_entry", {5}), 0);
    EXPECT_EQ(call_library_entry(3, "Probe_none"), 0);  // names are exact
    EXPECT_EQ(call_library_entry(3, "probe_calls"), calls);
    EXPECT_EQ(call_library_entry(3, "probe_none"), 77);
    EXPECT_EQ(call_library_entry(3, "probe_calls"), calls + 1);
}

TEST(LibraryCalls, ResultsComeBackUnchanged) {
    loaded_numbers loaded{{4}};
    ASSERT_NE(open_library(4, probe_name), 0);
    EXPECT_EQ(call_library_entry(4, "probe_minus_one"), -1);
    EXPECT_EQ(call_library_entry(4, "probe_digits1", {INT32_MIN}), INT32_MIN);
    EXPECT_EQ(call_library_entry(4, "probe_digits1", {INT32_MAX}), INT32_MAX);
}

TEST(LibraryCalls, ArgumentsArriveFirstToLast) {
    loaded_numbers loaded{{5}};
    ASSERT_NE(open_library(5, probe_name), 0);
    struct {
        const char* entry;
        std::initializer_list<intptr_t> args;
        int32_t expected;
    } cases[] = {
        {"probe_none", {}, 77},
        {"probe_digits1", {7}, 7},
        {"probe_digits2", {1, 2}, 12},
        {"probe_digits3", {1, 2, 3}, 123},
        {"probe_digits4", {4, 3, 2, 1}, 4321},
        {"probe_digits4", {1, 0, 0, 9}, 1009},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(call_library_entry(5, c.entry, c.args), c.expected) << c.entry;
    }
}

TEST(LibraryCalls, MoreThanFourArgumentsCallNothing) {
    loaded_numbers loaded{{5}};
    ASSERT_NE(open_library(5, probe_name), 0);
    int32_t calls = call_library_entry(5, "probe_calls");
    EXPECT_EQ(call_library_entry(5, "probe_digits4", {1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(call_library_entry(5, "probe_calls"), calls);
}

TEST(LibraryCalls, AddressesArriveWhole) {
    loaded_numbers loaded{{6}};
    ASSERT_NE(open_library(6, probe_name), 0);
    // The highest free address: above 4 GB in a 64-bit process, so a cut address would show.
    auto* target = static_cast<int32_t*>(
        VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE));
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(call_library_entry(6, "probe_store", {reinterpret_cast<intptr_t>(target), 4242}), 1);
    EXPECT_EQ(*target, 4242);
    VirtualFree(target, 0, MEM_RELEASE);
}

TEST(LibraryCalls, LoadingANumberAgainReleasesTheFirstLibrary) {
    loaded_numbers loaded{{7}};
    ASSERT_FALSE(probe_loaded());
    intptr_t probe = open_library(7, probe_name);
    ASSERT_NE(probe, 0);
    EXPECT_EQ(reinterpret_cast<HMODULE>(probe), GetModuleHandleA(probe_name));
    call_library_entry(7, "probe_none");
    ASSERT_EQ(call_library_entry(7, "probe_calls"), 1);

    EXPECT_NE(open_library(7, "p2kapi2.dll"), 0);
    EXPECT_FALSE(probe_loaded());
    EXPECT_EQ(call_library_entry(7, "probe_none"), 0);

    // Loaded afresh, the probe starts from nothing again.
    ASSERT_NE(open_library(7, probe_name), 0);
    EXPECT_EQ(call_library_entry(7, "probe_calls"), 0);
}

TEST(LibraryCalls, AFailedLoadStillReleasesTheFirstLibrary) {
    loaded_numbers loaded{{8}};
    ASSERT_NE(open_library(8, probe_name), 0);
    EXPECT_EQ(open_library(8, missing_name), 0);
    EXPECT_FALSE(probe_loaded());
    EXPECT_EQ(call_library_entry(8, "probe_none"), 0);
}

}  // namespace
