// Numbered windows: flag word, outer size and centring, table growth, replacing and
// closing windows, and the order of the layer's final clean-up.
#include <algorithm>

#include "tests/ui/ui_test_support.h"
#include "ui/status_bar.h"
#include "ui/window_geometry.h"
#include "ui/window_table.h"

namespace {

using window_test = ui_test;

bool class_registered(const char* name) {
    WNDCLASSA info;
    return GetClassInfoA(GetModuleHandleA(nullptr), name, &info) != 0;
}

SIZE outer_size_for(DWORD style, int width, int height) {
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, style, FALSE);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

TEST_F(window_test, MainWindowFlagsGiveCentredVisibleWindowWithClientSize) {
    HWND window = open_window(0, 100, 120, 290, 180, 0x00CA0001, main_title);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(current_window(), window);
    EXPECT_EQ(window_of(0), window);

    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & 0x10CF0003u, 0x10CA0000u) << std::hex << "style " << style;
    EXPECT_TRUE(IsWindowVisible(window));

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 290);
    EXPECT_EQ(client.bottom, 180);

    const SIZE outer = outer_size_for(0x10CA0000, 290, 180);
    RECT area;
    GetWindowRect(window, &area);
    EXPECT_EQ(area.right - area.left, outer.cx);
    EXPECT_EQ(area.bottom - area.top, outer.cy);
    EXPECT_EQ(area.left, (GetSystemMetrics(SM_CXSCREEN) >> 1) - (outer.cx >> 1));
    EXPECT_EQ(area.top, (GetSystemMetrics(SM_CYSCREEN) >> 1) - (outer.cy >> 1));

    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, main_title);
    EXPECT_TRUE(class_registered("WindowClass_0"));
}

TEST_F(window_test, HiddenBitIsInvertedIntoTheVisibleStyle) {
    const struct {
        int flags;
        bool visible;
    } cases[] = {{0x00CA0000, true}, {0x10CA0000, false}, {0x00CA0001, true}, {0x10CA0001, false}};
    for (const auto& c : cases) {
        HWND window = open_window(1, 10, 10, 100, 50, c.flags, "flags");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(IsWindowVisible(window) != 0, c.visible) << std::hex << "flags " << c.flags;
    }
}

TEST_F(window_test, UncentredWindowStandsAtTheGivenOuterCorner) {
    HWND window = open_window(2, 37, 41, 120, 60, 0x00CA0000, "at 37, 41");
    RECT area;
    GetWindowRect(window, &area);
    EXPECT_EQ(area.left, 37);
    EXPECT_EQ(area.top, 41);
    const SIZE outer = outer_size_for(0x10CA0000, 120, 60);
    EXPECT_EQ(area.right - area.left, outer.cx);
}

TEST_F(window_test, CentresOnTheActiveWindowAndClampsToTheScreenEdge) {
    HWND active = open_window(1, 200, 150, 300, 200, 0x00CA0000, "active");
    bring_to_foreground(active);
    ASSERT_EQ(GetActiveWindow(), active);
    RECT a;
    GetWindowRect(active, &a);

    // Smaller than the active window: centred on it.
    HWND inner = open_window(2, 0, 0, 100, 50, 0x00CA0003, "centred on active");
    const SIZE inner_size = outer_size_for(0x10CA0000, 100, 50);
    RECT area;
    GetWindowRect(inner, &area);
    EXPECT_EQ(area.left, a.left - (inner_size.cx >> 1) + ((a.right - a.left) >> 1));
    EXPECT_EQ(area.top, a.top - (inner_size.cy >> 1) + ((a.bottom - a.top) >> 1));

    // The active window's left edge at 10 and the new window more than 20 pixels wider.
    HWND narrow = open_window(4, 10, 100, 100, 100, 0x00CA0000, "left edge at 10");
    bring_to_foreground(narrow);
    ASSERT_EQ(GetActiveWindow(), narrow);
    HWND wide = open_window(3, 0, 0, 200, 50, 0x00CA0003, "wide");
    GetWindowRect(wide, &area);
    EXPECT_EQ(area.left, 0);
    EXPECT_GT(area.top, 100);
}

TEST_F(window_test, CentringOnActiveWithoutActiveWindowCentresOnScreen) {
    ASSERT_EQ(GetActiveWindow(), nullptr);
    HWND window = open_window(0, 0, 0, 200, 100, 0x10CA0003, "hidden, no active window");
    const SIZE outer = outer_size_for(0x00CA0000, 200, 100);
    RECT area;
    GetWindowRect(window, &area);
    EXPECT_EQ(area.left, (GetSystemMetrics(SM_CXSCREEN) >> 1) - (outer.cx >> 1));
    EXPECT_EQ(area.top, (GetSystemMetrics(SM_CYSCREEN) >> 1) - (outer.cy >> 1));
}

TEST_F(window_test, TableGrowsToNumberPlusTenKeepingSlots) {
    EXPECT_EQ(window_capacity(), 10);
    HWND first = open_window(3, 0, 0, 50, 50, 0x10CA0000, "three");
    HWND window = open_window(15, 0, 0, 50, 50, 0x10CA0000, "fifteen");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window_capacity(), 25);
    EXPECT_EQ(window_of(3), first);
    for (int number = 10; number < 25; ++number) {
        EXPECT_EQ(window_of(number) != nullptr, number == 15) << "slot " << number;
    }
    EXPECT_EQ(window_number_of(window), 15);
    EXPECT_EQ(window_number_of(first), 3);
    EXPECT_TRUE(class_registered("WindowClass_15"));
}

TEST_F(window_test, ReopeningANumberReplacesItsWindowAndAccelerators) {
    HWND first = open_window(0, 0, 0, 100, 100, 0x10CA0001, "first");
    HACCEL first_accelerators = accelerator_table_of(first);
    ASSERT_NE(first_accelerators, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableA(first_accelerators, entries, 4), 2);
    EXPECT_EQ(entries[0].fVirt & ~0x80, FVIRTKEY | FNOINVERT);
    EXPECT_EQ(entries[0].key, VK_TAB);
    EXPECT_EQ(entries[0].cmd, command_focus_next);
    EXPECT_EQ(entries[1].fVirt & ~0x80, FVIRTKEY | FNOINVERT | FSHIFT);
    EXPECT_EQ(entries[1].cmd, command_focus_previous);

    HWND second = open_window(0, 0, 0, 100, 100, 0x10CA0001, "second");
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(window_of(0), second);
    EXPECT_NE(accelerator_table_of(second), nullptr);
    EXPECT_TRUE(class_registered("WindowClass_0"));
}

TEST_F(window_test, ClosingDestroysTheWindowAndUnregistersItsClass) {
    HWND window = open_window(4, 0, 0, 100, 100, 0x10CA0000, "four");
    close_window(4);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(window_of(4), nullptr);
    EXPECT_FALSE(class_registered("WindowClass_4"));
    EXPECT_EQ(current_window(), window);  // closing does not change the current window
}

TEST_F(window_test, NumbersWithoutAWindowAreLeftAlone) {
    HWND window = open_window(1, 0, 0, 100, 100, 0x10CA0000, "one");
    for (int number : {0, 2, 9, 10, 11, 1000, -1, -100000}) {
        close_window(number);
        EXPECT_EQ(window_of(number), nullptr);
    }
    EXPECT_EQ(open_window(-1, 0, 0, 100, 100, 0x10CA0000, "negative"), nullptr);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(window_capacity(), 10);
}

TEST_F(window_test, RefusedWindowReturnsZeroAndKeepsCurrentWindow) {
    HWND window = open_window(1, 0, 0, 100, 100, 0x10CA0000, "one");
    // A child window without a parent is refused by the platform.
    EXPECT_EQ(open_window(2, 0, 0, 100, 100, WS_CHILD, "child"), nullptr);
    EXPECT_EQ(window_of(2), nullptr);
    EXPECT_EQ(current_window(), window);
}

TEST_F(window_test, ResizingByClientSizeKeepsTheStyleAdjustment) {
    HWND window = open_window(0, 0, 0, 100, 100, 0x10CA0000, "resize");
    resize_current_window(240, 130);
    EXPECT_EQ(current_window_width(), 240);
    EXPECT_EQ(current_window_height(), 130);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 240);
    move_current_window(33, 44);
    EXPECT_EQ(current_window_left(), 33);
    EXPECT_EQ(current_window_top(), 44);
    show_window(0, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    show_window(0, 1);
    EXPECT_FALSE(IsWindowVisible(window));
}

// The final clean-up destroys the status bars first, then the windows from the highest
// number down.
std::vector<HWND> destroyed;
LRESULT CALLBACK record_destruction(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_DESTROYWND) {
        destroyed.push_back(reinterpret_cast<HWND>(wparam));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(window_test, ReleaseDestroysStatusBarsFirstThenWindowsFromTheTop) {
    HWND zero = open_window(0, 0, 0, 100, 100, 0x10CA0000, "zero");
    HWND bar = create_status_bar(0, zero);
    HWND two = open_window(2, 0, 0, 100, 100, 0x10CA0000, "two");
    HWND one = open_window(1, 0, 0, 100, 100, 0x10CA0000, "one");
    ASSERT_NE(bar, nullptr);

    destroyed.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, record_destruction, nullptr, GetCurrentThreadId());
    release_ui_layer();
    UnhookWindowsHookEx(hook);

    const std::vector<HWND> expected = {bar, two, one, zero};
    std::vector<HWND> top_level;
    for (HWND window : destroyed) {
        if (std::find(expected.begin(), expected.end(), window) != expected.end()) {
            top_level.push_back(window);
        }
    }
    EXPECT_EQ(top_level, expected);
    EXPECT_FALSE(IsWindow(zero));
    EXPECT_FALSE(IsWindow(bar));
}

}  // namespace
