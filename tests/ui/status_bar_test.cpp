// Status bars: fields by width, texts with their four flag bits, the table, and what
// numbers without a status bar do.
#include "tests/ui/ui_test_support.h"

#include <commctrl.h>

#include "ui/status_bar.h"

namespace {

class status_bar_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        window = open_main_window();
    }

    static std::vector<int> edges(HWND bar) {
        int parts[64] = {};
        const int count =
            static_cast<int>(SendMessageA(bar, SB_GETPARTS, 64, reinterpret_cast<LPARAM>(parts)));
        return std::vector<int>(parts, parts + count);
    }

    // The field's text and its drawing type (SBT_NOBORDERS, SBT_POPOUT or 0).
    static std::pair<std::string, int> field(HWND bar, int index) {
        const LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, index, 0);
        std::string text(LOWORD(length) + 1, '\0');
        SendMessageA(bar, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(LOWORD(length));
        return {text, HIWORD(length)};
    }

    HWND window = nullptr;
};

TEST_F(status_bar_test, OneFieldAlongTheBottomOfTheWindow) {
    HWND bar = create_status_bar(0, current_window());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetParent(bar), window);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)) & 0x50000000u, 0x50000000u);
    add_status_field(290);
    set_status_text(0, 0, "Press ''connect''", 0);
    EXPECT_EQ(edges(bar), std::vector<int>{290});
    EXPECT_EQ(field(bar, 0), std::make_pair(std::string("Press ''connect''"), 0));

    RECT client, area = rect_in_parent(bar);
    GetClientRect(window, &client);
    EXPECT_EQ(area.bottom, client.bottom);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.right, client.right);
}

TEST_F(status_bar_test, FieldEdgesAreRunningSumsOfTheWidths) {
    HWND bar = create_status_bar(0, window);
    add_status_field(100);
    EXPECT_EQ(edges(bar), std::vector<int>({100}));
    add_status_field(50);
    add_status_field(80);
    EXPECT_EQ(edges(bar), std::vector<int>({100, 150, 230}));
}

TEST_F(status_bar_test, FieldsBeyondFiftyAreRefused) {
    HWND bar = create_status_bar(0, window);
    for (int i = 0; i < 60; ++i) {
        add_status_field(2);
    }
    const std::vector<int> result = edges(bar);
    ASSERT_EQ(result.size(), 50u);
    EXPECT_EQ(result.back(), 100);
}

TEST_F(status_bar_test, FlagsChooseTheBorderAndTheAlignment) {
    HWND bar = create_status_bar(0, window);
    add_status_field(200);
    const struct {
        int flags;
        const char* shown;
        int type;
    } cases[] = {
        {0, "text", 0},
        {1, "text", SBT_NOBORDERS},
        {2, "text", SBT_POPOUT},
        {3, "text", SBT_NOBORDERS},  // no border wins over raised
        {4, "\ttext", 0},            // centred
        {8, "\t\ttext", 0},          // right-aligned
        {12, "\ttext", 0},           // centred wins over right-aligned
        {6, "\ttext", SBT_POPOUT},
    };
    for (const auto& c : cases) {
        set_status_text(0, 0, "text", c.flags);
        EXPECT_EQ(field(bar, 0), std::make_pair(std::string(c.shown), c.type))
            << "flags " << c.flags;
    }
}

TEST_F(status_bar_test, NumbersWithoutAStatusBarDropTheText) {
    HWND bar = create_status_bar(0, window);
    add_status_field(290);
    set_status_text(0, 0, "kept", 0);
    for (int number : {5, 10, 11, -1, 100000}) {
        set_status_text(number, 0, "dropped", 0);
    }
    EXPECT_EQ(field(bar, 0).first, "kept");
    EXPECT_EQ(create_status_bar(-1, window), nullptr);
    EXPECT_EQ(status_bar_capacity(), 10);
}

TEST_F(status_bar_test, TableGrowsOnlyPastItsCapacity) {
    EXPECT_EQ(status_bar_capacity(), 10);
    ASSERT_NE(create_status_bar(10, window), nullptr);
    EXPECT_EQ(status_bar_capacity(), 10);
    ASSERT_NE(create_status_bar(11, window), nullptr);
    EXPECT_EQ(status_bar_capacity(), 21);
    add_status_field(50);
    set_status_text(11, 0, "eleven", 0);
    EXPECT_EQ(field(create_status_bar(21, window), 0).first, "");
    EXPECT_EQ(status_bar_capacity(), 21);
}

TEST_F(status_bar_test, ASecondBarStartsItsOwnFieldsTheFirstKeepsItsOwn) {
    HWND first = create_status_bar(0, window);
    add_status_field(100);
    add_status_field(50);
    set_status_text(0, 1, "first bar", 0);
    HWND other = open_window(1, 0, 0, 200, 100, 0x10CA0000, "other");
    HWND second = create_status_bar(1, other);
    add_status_field(70);
    set_status_text(1, 0, "second bar", 0);
    EXPECT_EQ(edges(first), std::vector<int>({100, 150}));
    EXPECT_EQ(edges(second), std::vector<int>({70}));
    EXPECT_EQ(field(first, 1).first, "first bar");
    EXPECT_EQ(field(second, 0).first, "second bar");
}

TEST_F(status_bar_test, FreeingDestroysEveryStatusBar) {
    HWND first = create_status_bar(0, window);
    HWND second = create_status_bar(7, window);
    free_status_bars();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindow(window));
    set_status_text(0, 0, "after", 0);  // nothing there any more
    add_status_field(10);
}

TEST_F(status_bar_test, IconNeedsABarAndAnIcon) {
    HWND bar = create_status_bar(0, window);
    add_status_field(100);
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    set_status_icon(0, 0, nullptr);
    EXPECT_EQ(SendMessageA(bar, SB_GETICON, 0, 0), 0);
    set_status_icon(0, 0, icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(bar, SB_GETICON, 0, 0)), icon);
    set_status_icon(3, 0, icon);  // no bar 3: nothing
}

}  // namespace
