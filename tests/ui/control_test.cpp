// Numbered controls: table growth, the style words and font each creation gives, kind
// states and texts, numbers without a control, and the option groups.
#include "tests/ui/ui_test_support.h"

#include <commctrl.h>

#include <map>

#include "ui/control.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/tab_control.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"

namespace {

class control_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        window = open_main_window();
        set_container(current_window());
    }
    HWND window = nullptr;
};

DWORD style_of(HWND control) {
    return static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
}
HFONT font_of(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}
HFONT default_font() {
    return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

// The styles each window was created with, as the platform received them (the platform
// may drop bits afterwards, as combo boxes do with the sunken edge).
struct creation_styles {
    DWORD style;
    DWORD extended_style;
};
std::map<HWND, creation_styles> created;

LRESULT CALLBACK record_creation(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* creation = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
        created[reinterpret_cast<HWND>(wparam)] = {static_cast<DWORD>(creation->style),
                                                   creation->dwExStyle};
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(control_test, TableGrowsToNumberPlusThirty) {
    EXPECT_EQ(control_capacity(), 30);
    create_button(29, 0, 0, 10, 10, "29");
    EXPECT_EQ(control_capacity(), 30);
    const struct {
        int number;
        int capacity;
    } steps[] = {{100, 130}, {101, 130}, {200, 230}, {110, 230}, {400, 430}};
    for (const auto& step : steps) {
        create_label(step.number, 0, 0, 10, 10, "x");
        EXPECT_EQ(control_capacity(), step.capacity) << "after control " << step.number;
    }
    // Entries survive growth.
    EXPECT_NE(control_handle(29), nullptr);
    EXPECT_NE(control_handle(100), nullptr);
    EXPECT_EQ(control_handle(102), nullptr);
}

TEST_F(control_test, CreationGivesClassStyleIdAndFont) {
    created.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, record_creation, nullptr, GetCurrentThreadId());
    const struct {
        const char* what;
        HWND handle;
        const char* class_name;
        DWORD style;
        DWORD extended_style;
        bool gets_font;
    } cases[] = {
        {"button", create_button(100, 10, 10, 80, 20, "Connect"), "Button", 0x50030000, 0, true},
        {"text field", create_text_field(105, 100, 40, 120, 20, "Super-Line"), "Edit", 0x50030080,
         0x200, true},
        {"text box", create_text_box(200, 10, 10, 270, 124, "line", 0x8E4), "Edit", 0x500308E4,
         0x200, true},
        {"text box without edge", create_text_box(201, 0, 0, 50, 50, "", 0x20004), "Edit",
         0x50030084, 0, true},
        {"label", create_label(106, 10, 44, 70, 20, "New operator:"), "Static", 0x50020000, 0,
         true},
        {"sunken label", create_label_with_flags(107, 0, 0, 10, 10, "", 0x20000), "Static",
         0x50020000, 0x200, true},
        {"track bar", create_track_bar(104, 10, 84, 270, 20, 0, 20), "msctls_trackbar32",
         0x50010000, 0, false},
        {"progress bar", create_progress_bar(110, 10, 105, 270, 12, 0, 100), "msctls_progress32",
         0x50000000, 0, false},
        {"check box", create_check_box(120, 0, 0, 50, 20, "check", 0), "Button", 0x50030003, 0,
         true},
        {"group frame", create_frame(121, 0, 0, 50, 50, "frame", 0), "Button", 0x50020007, 0, true},
        {"sunken frame", create_frame(122, 0, 0, 50, 50, "", 1), "Static", 0x50020001, 0x200, true},
        {"edged frame", create_frame(123, 0, 0, 50, 50, "", 2), "Static", 0x50020001, 0x20000,
         true},
        {"list box", create_list_box(124, 0, 0, 50, 50, 0), "ListBox", 0x50330141, 0x200, true},
        {"combo box", create_combo_box(125, 0, 0, 50, 50), "ComboBox", 0x50A30203, 0x200, true},
    };
    UnhookWindowsHookEx(hook);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.handle, nullptr);
        EXPECT_STRCASEEQ(class_name_of(c.handle).c_str(), c.class_name);
        EXPECT_EQ(created[c.handle].style, c.style) << std::hex << created[c.handle].style;
        EXPECT_EQ(created[c.handle].extended_style, c.extended_style)
            << std::hex << created[c.handle].extended_style;
        EXPECT_EQ(GetParent(c.handle), window);
        if (c.gets_font) {
            EXPECT_EQ(font_of(c.handle), default_font());
        }
    }
    EXPECT_EQ(GetDlgCtrlID(control_handle(105)), 105);
    EXPECT_EQ(GetDlgCtrlID(control_handle(104)), 104);
}

TEST_F(control_test, TrackBarRangeIsClampedToZeroTo10000) {
    const struct {
        int minimum, maximum, expected_minimum, expected_maximum;
    } cases[] = {{0, 20, 0, 20}, {-5, 20000, 0, 10000}, {3, 10000, 3, 10000}, {-1, -1, 0, 0}};
    for (const auto& c : cases) {
        HWND bar = create_track_bar(104, 0, 0, 200, 20, c.minimum, c.maximum);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(SendMessageA(bar, TBM_GETRANGEMIN, 0, 0), c.expected_minimum)
            << "created with " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0), c.expected_maximum)
            << "created with " << c.minimum << ".." << c.maximum;
    }
    set_control_state(104, 7);
    EXPECT_EQ(get_control_state(104), 0);  // the last bar's range is 0..0
}

TEST_F(control_test, TrackBarAndProgressBarStateIsThePosition) {
    create_track_bar(104, 10, 84, 270, 20, 0, 20);
    set_control_state(104, 12);
    EXPECT_EQ(get_control_state(104), 12);
    EXPECT_EQ(SendMessageA(control_handle(104), TBM_GETPOS, 0, 0), 12);
    set_control_state(104, 35);
    EXPECT_EQ(get_control_state(104), 20);

    HWND overall = create_progress_bar(111, 10, 120, 270, 12, 0, 400);
    PBRANGE range = {};
    SendMessageA(overall, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 400);
    set_control_state(111, 300);
    EXPECT_EQ(get_control_state(111), 300);
}

TEST_F(control_test, ButtonStateIsTheCheckState) {
    create_check_box(120, 0, 0, 80, 20, "check", 0);
    EXPECT_EQ(get_control_state(120), BST_UNCHECKED);
    set_control_state(120, BST_CHECKED);
    EXPECT_EQ(get_control_state(120), BST_CHECKED);
    EXPECT_EQ(SendMessageA(control_handle(120), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(control_test, TextIsTheWindowTextOfControlsWithoutStateOfTheirOwn) {
    create_text_field(105, 100, 40, 120, 20, "Super-Line");
    create_label(103, 10, 69, 270, 15, "Wait 5 sec. for P2K device.");
    EXPECT_EQ(get_control_text(105), "Super-Line");
    EXPECT_EQ(get_control_text(103), "Wait 5 sec. for P2K device.");
    EXPECT_EQ(get_control_state(105), 0);
    EXPECT_EQ(get_control_state(103), 0);
    set_control_state(105, 1);
    set_control_state(103, 1);
    EXPECT_EQ(get_control_text(105), "Super-Line");

    set_control_text(103, "Wait 12 sec. for P2K device.");
    char shown[64] = {};
    GetWindowTextA(control_handle(103), shown, sizeof shown);
    EXPECT_STREQ(shown, "Wait 12 sec. for P2K device.");
    set_control_text(105, "");
    EXPECT_EQ(get_control_text(105), "");
}

TEST_F(control_test, TextLimitStopsTypingAndPastingBeyondIt) {
    create_text_field(105, 100, 40, 120, 20, "abc");
    limit_control_text(105, 5);
    SendMessageA(control_handle(105), EM_SETSEL, 3, 3);
    SendMessageA(control_handle(105), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("defgh"));
    EXPECT_EQ(get_control_text(105), "abcde");
    limit_control_text(-1, 5);  // no control: nothing happens
}

TEST_F(control_test, TextReadIsBoundedTo4999Bytes) {
    const std::string long_text(6000, 'k');
    create_text_box(200, 0, 0, 100, 100, long_text, 0x8E4);
    ASSERT_EQ(GetWindowTextLengthA(control_handle(200)), 6000);
    EXPECT_EQ(get_control_text(200), std::string(4999, 'k'));

    set_control_text(200, std::string(4999, 'q'));
    EXPECT_EQ(get_control_text(200).size(), 4999u);
}

TEST_F(control_test, NumbersWithoutAControlReadAsNothingThere) {
    create_button(5, 0, 0, 10, 10, "five");
    for (int number : {0, 6, 29, 30, 31, 1000, -1, -30000}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(get_control_state(number), 0);
        EXPECT_EQ(get_control_text(number), "");
        EXPECT_EQ(control_handle(number), nullptr);
        set_control_state(number, 3);
        set_control_text(number, "ignored");
        add_control_item(number, -1, "ignored");
        destroy_control(number);
        move_control(number, 1, 2, 3, 4);
        EXPECT_EQ(count_control_items(number), 0);
        EXPECT_EQ(get_control_item_text(number, 0), "");
    }
    EXPECT_EQ(control_capacity(), 30);
    EXPECT_EQ(create_button(-1, 0, 0, 10, 10, "negative"), nullptr);
    EXPECT_EQ(create_track_bar(-4, 0, 0, 10, 10, 0, 1), nullptr);
    EXPECT_EQ(create_tab_control(-2, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(control_capacity(), 30);
}

TEST_F(control_test, FocusGoesToTheControlAndIsClearedForANumberWithoutOne) {
    create_text_field(105, 100, 40, 120, 20, "Super-Line");
    focus_control(105);
    EXPECT_EQ(GetFocus(), control_handle(105));
    focus_control(999);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(control_test, SecondControlUnderANumberLeavesTheFirstOnScreen) {
    HWND first = create_button(100, 10, 10, 80, 20, "first");
    HWND second = create_button(100, 100, 10, 80, 20, "second");
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(control_handle(100), second);
    EXPECT_EQ(GetDlgCtrlID(first), 100);
    set_control_text(100, "renamed");
    char text[16] = {};
    GetWindowTextA(first, text, sizeof text);
    EXPECT_STREQ(text, "first");
}

TEST_F(control_test, FirstOptionAfterAnotherControlStartsAGroup) {
    HWND a = create_option(1, 0, 0, 50, 20, "a");
    HWND b = create_option(2, 0, 20, 50, 20, "b");
    create_button(3, 0, 40, 50, 20, "button");
    HWND c = create_option(4, 0, 60, 50, 20, "c");
    HWND d = create_option(5, 0, 80, 50, 20, "d");
    EXPECT_EQ(style_of(a) & 0xFFFF000F, 0x50030009u);
    EXPECT_EQ(style_of(b) & 0xFFFF000F, 0x50010009u);
    EXPECT_EQ(style_of(c) & 0xFFFF000F, 0x50030009u);
    EXPECT_EQ(style_of(d) & 0xFFFF000F, 0x50010009u);
}

TEST_F(control_test, ControlPlatformRefusedIsStoredEmptyBarsAreNotStored) {
    set_container(nullptr);  // a child control without a parent is refused
    EXPECT_EQ(create_button(60, 0, 0, 10, 10, "no parent"), nullptr);
    EXPECT_EQ(control_capacity(), 90);
    EXPECT_EQ(create_track_bar(500, 0, 0, 10, 10, 0, 5), nullptr);
    EXPECT_EQ(create_progress_bar(600, 0, 0, 10, 10, 0, 5), nullptr);
    EXPECT_EQ(control_capacity(), 90);
    EXPECT_EQ(get_control_text(60), "");
}

TEST_F(control_test, GeometryOperationsAndMoveKeepingValues) {
    create_button(100, 10, 10, 80, 20, "Connect");
    EXPECT_EQ(control_left(100), 10);
    EXPECT_EQ(control_top(100), 10);
    EXPECT_EQ(control_width(100), 80);
    EXPECT_EQ(control_height(100), 20);
    move_control(100, 30, -1, -1, 25);
    EXPECT_EQ(control_left(100), 30);
    EXPECT_EQ(control_top(100), 10);
    EXPECT_EQ(control_width(100), 80);
    EXPECT_EQ(control_height(100), 25);

    disable_control(100, 1);
    EXPECT_FALSE(IsWindowEnabled(control_handle(100)));
    disable_control(100, 0);
    EXPECT_TRUE(IsWindowEnabled(control_handle(100)));
    hide_control(100, 1);
    EXPECT_FALSE(IsWindowVisible(control_handle(100)));

    HWND button = control_handle(100);
    destroy_control(100);
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(control_handle(100), nullptr);
}

TEST_F(control_test, ListAndComboItemsAreAddedReadRenamedAndRemoved) {
    for (int number : {124, 125}) {
        SCOPED_TRACE(number);
        if (number == 124) {
            create_list_box(number, 0, 0, 100, 100, 0);
        } else {
            create_combo_box(number, 0, 0, 100, 100);
        }
        add_control_item(number, -1, "one");
        add_control_item(number, -1, "three");
        add_control_item(number, 1, "two");
        EXPECT_EQ(count_control_items(number), 3);
        EXPECT_EQ(get_control_item_text(number, 1), "two");
        EXPECT_EQ(get_control_state(number), -1);
        set_control_state(number, 2);
        EXPECT_EQ(get_control_state(number), 2);
        EXPECT_EQ(get_control_item_state(number, 2), 1);
        set_control_item_text(number, 2, "THREE", 0);
        EXPECT_EQ(get_control_item_text(number, 2), "THREE");
        EXPECT_EQ(get_control_state(number), 2);
        remove_control_item(number, 0);
        EXPECT_EQ(get_control_item_text(number, 0), "two");
        clear_control_items(number);
        EXPECT_EQ(count_control_items(number), 0);
    }
}

}  // namespace
