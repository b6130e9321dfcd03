// Events: what wait_event and poll_event return for the real messages of a click, the
// close box, a track bar move, a tab click, typing, menus and accelerators, and the Tab
// and Shift+Tab navigation that the accelerators carry.
#include "tests/ui/ui_test_support.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/control.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/push_button.h"
#include "ui/tab_control.h"
#include "ui/tab_pages.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"
#include "ui/window_geometry.h"
#include "ui/window_procedure.h"

namespace {

// Window 0 with the main page's controls on tab control 1 and two further pages.
class event_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        window = open_main_window();
        set_container(current_window());
        tab = create_tab_control(1, 0, 0, 290, 164);
        add_control_item(1, -1, "Main");
        create_button(100, 10, 10, 80, 20, "Connect");
        create_button(101, 100, 10, 80, 20, "Patch");
        create_button(102, 190, 10, 80, 20, "Restart");
        create_text_field(105, 100, 40, 120, 20, "Super-Line");
        create_label(106, 10, 44, 70, 20, "New operator:");
        create_track_bar(104, 10, 84, 270, 20, 0, 20);
        add_control_item(1, -1, "Help-n-About");
        create_text_box(200, 10, 10, 270, 124, "about", 0x8E4);
        add_control_item(1, -1, "License");
        create_text_box(400, 10, 10, 270, 124, "license", 0x8E4);
        set_control_state(1, 0);
        focus_control(-1);
        bring_to_foreground(window);
        drain_events();
    }

    // Posts a message, then waits for the event its handling raises.
    int post_and_wait(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
        PostMessageA(target, message, wparam, lparam);
        return wait_event();
    }

    // Presses and releases a key through the platform's input, with Shift held when asked,
    // and takes events until the focus has settled.
    void press_tab(bool shift) {
        if (shift) {
            keybd_event(VK_SHIFT, 0, 0, 0);
        }
        keybd_event(VK_TAB, 0, 0, 0);
        keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
        if (shift) {
            keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
        }
        pump_until([] { return GetAsyncKeyState(VK_SHIFT) >= 0 && poll_event() == event_none; });
        drain_events();
    }

    HWND window = nullptr;
    HWND tab = nullptr;
};

TEST_F(event_test, StartUpSizeNoticesArriveAsSizeEvents) {
    open_window(3, 0, 0, 100, 100, 0x00CA0000, "sized");
    std::vector<int> codes = drain_events();
    EXPECT_NE(std::find(codes.begin(), codes.end(), event_size), codes.end());
    set_current_window(0);
    resize_current_window(250, 170);
    EXPECT_TRUE(poll_until_event(event_size));
}

TEST_F(event_test, ButtonClickRaisesAControlEventWithItsNumber) {
    EXPECT_EQ(post_and_wait(control_handle(100), BM_CLICK, 0, 0), event_control_used);
    EXPECT_EQ(event_control(), 100);
    EXPECT_EQ(event_detail(), BN_CLICKED);

    // A click by the mouse, as posted button-down and button-up messages.
    post_click(control_handle(101), 5, 5);
    EXPECT_TRUE(pump_until([] { return event_control() == 101; }));
}

TEST_F(event_test, ClicksOnAnOverwrittenButtonCarryItsNumber) {
    HWND first = control_handle(100);
    create_button(100, 10, 130, 80, 20, "second");
    drain_events();
    EXPECT_EQ(post_and_wait(first, BM_CLICK, 0, 0), event_control_used);
    EXPECT_EQ(event_control(), 100);
}

TEST_F(event_test, CloseBoxRaisesCloseRequestAndTheWindowStays) {
    EXPECT_EQ(post_and_wait(window, WM_SYSCOMMAND, SC_CLOSE, 0), event_close_request);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(post_and_wait(window, WM_CLOSE, 0, 0), event_close_request);
    EXPECT_EQ(event_window_number(), 0);
}

TEST_F(event_test, TrackBarMovesRaiseControlEventsWithItsNumber) {
    HWND bar = control_handle(104);
    focus_control(104);
    drain_events();
    EXPECT_EQ(post_and_wait(bar, WM_KEYDOWN, VK_RIGHT, 0), event_control_used);
    EXPECT_EQ(event_control(), 104);
    EXPECT_EQ(get_control_state(104), 1);

    // A click on the channel right of the thumb pages the thumb along.
    create_button(7, 0, 0, 10, 10, "elsewhere");  // event_control no longer 104
    post_and_wait(control_handle(7), BM_CLICK, 0, 0);
    ASSERT_EQ(event_control(), 7);
    post_click(bar, 250, 10);
    EXPECT_TRUE(pump_until([] { return event_control() == 104; }));
    EXPECT_GT(get_control_state(104), 1);
}

TEST_F(event_test, TabClickSwitchesPageAndRaisesTheTabControlsEvent) {
    RECT item = {};
    SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON,
                 point_parameter((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    EXPECT_EQ(wait_event(), event_control_used);
    EXPECT_EQ(event_control(), 1);
    EXPECT_EQ(get_control_state(1), 1);
    EXPECT_TRUE(IsWindowVisible(GetParent(control_handle(200))));
    EXPECT_FALSE(IsWindowVisible(GetParent(control_handle(100))));
    EXPECT_FALSE(IsWindowEnabled(GetParent(control_handle(100))));
    EXPECT_EQ(GetFocus(), tab);
}

// Setting a text field's text raises that field's event.
void build_page_with_a_field() {
    create_text_field(300, 10, 10, 100, 20, "");
    set_control_text(300, "typed");
}

// Controls made as a page is first shown raise no event in place of the tab click's.
TEST_F(event_test, TabClickOnAPageBuiltWhenShownRaisesTheTabControlsEvent) {
    build_page_when_shown(1, 2, build_page_with_a_field);
    RECT item = {};
    SendMessageA(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON,
                 point_parameter((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    EXPECT_EQ(wait_event(), event_control_used);
    EXPECT_EQ(event_control(), 1);
    EXPECT_EQ(get_control_text(300), "typed");
    EXPECT_TRUE(IsWindowVisible(control_handle(300)));
}

// Control numbers of the commands and notifications the window procedure receives, in
// order, seen through the application callback.
std::vector<int> notifying_controls;
LRESULT CALLBACK record_notifications(HWND, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && lparam != 0) {
        notifying_controls.push_back(LOWORD(wparam));
    } else if (message == WM_NOTIFY &&
               reinterpret_cast<const NMHDR*>(lparam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
        notifying_controls.push_back(
            static_cast<int>(reinterpret_cast<const NMHDR*>(lparam)->idFrom));
    }
    return callback_default;
}

TEST_F(event_test, TabClickWithAFocusedTextFieldReturnsTheLastEventRaised) {
    focus_control(105);
    drain_events();
    notifying_controls.clear();
    set_window_callback(record_notifications);
    RECT item = {};
    SendMessageA(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON,
                 point_parameter((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    const int code = wait_event();
    set_window_callback(nullptr);

    EXPECT_EQ(code, event_control_used);
    // The field's focus loss and the tab switch both raised an event in this one dispatch.
    ASSERT_EQ(notifying_controls.size(), 2u);
    EXPECT_NE(std::find(notifying_controls.begin(), notifying_controls.end(), 105),
              notifying_controls.end());
    EXPECT_EQ(event_control(), notifying_controls.back());
    EXPECT_EQ(get_control_state(1), 2);
    EXPECT_EQ(GetFocus(), tab);
}

TEST_F(event_test, PollOnAnEmptyQueueReturnsNoneAndKeepsTheControlNumber) {
    post_and_wait(control_handle(102), BM_CLICK, 0, 0);
    ASSERT_EQ(event_control(), 102);
    drain_events();
    EXPECT_EQ(poll_event(), event_none);
    EXPECT_EQ(event_control(), 102);
    EXPECT_EQ(event_detail(), -1);
}

TEST_F(event_test, MessagesRaisingNoEventAreReturnedAsTheirOwnNumber) {
    EXPECT_EQ(post_and_wait(window, WM_MOUSEMOVE, 0, point_parameter(20, 30)), WM_MOUSEMOVE);
    EXPECT_EQ(event_wparam(), 0);
    EXPECT_EQ(event_lparam(), point_parameter(20, 30));
    EXPECT_EQ(post_and_wait(window, WM_USER + 5, 7, 9), WM_USER + 5);
    EXPECT_EQ(event_wparam(), 7);
    EXPECT_EQ(event_lparam(), 9);
}

TEST_F(event_test, TypingIntoATextFieldRaisesChangeEvents) {
    focus_control(105);
    drain_events();
    EXPECT_EQ(post_and_wait(control_handle(105), WM_CHAR, 'x', 1), event_control_used);
    EXPECT_EQ(event_control(), 105);
    EXPECT_EQ(event_detail(), EN_CHANGE);
    EXPECT_NE(get_control_text(105).find('x'), std::string::npos);
}

TEST_F(event_test, EventRaisedOutsideAWaitIsReturnedByTheNextMessageTaken) {
    set_control_text(105, "Another");  // the field notifies its container meanwhile
    EXPECT_EQ(post_and_wait(window, WM_NULL, 0, 0), event_control_used);
    EXPECT_EQ(event_control(), 105);
    EXPECT_EQ(post_and_wait(window, WM_NULL, 0, 0), WM_NULL);
}

TEST_F(event_test, MenuAndAcceleratorCommandsRaiseCommandEvents) {
    const struct {
        WPARAM wparam;
        int number;
    } commands[] = {
        {77, 77},                 // a menu command
        {MAKEWPARAM(55, 1), 55},  // an accelerator command other than navigation
    };
    for (const auto& c : commands) {
        EXPECT_EQ(post_and_wait(window, WM_COMMAND, c.wparam, 0), event_command);
        EXPECT_EQ(event_control(), c.number);
    }
    // A control whose id is -10000 raises command events too.
    HWND special = CreateWindowExA(0, "BUTTON", "special", WS_CHILD | WS_VISIBLE, 0, 140, 50, 20,
                                   window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(-10000)),
                                   GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(post_and_wait(special, BM_CLICK, 0, 0), event_command);
}

TEST_F(event_test, TrayIconMessagesAreRepostedAndRaiseTrayEvents) {
    const struct {
        LPARAM mouse_message;
        int code;
        int detail;
    } cases[] = {{WM_LBUTTONUP, event_tray, 0},
                 {WM_RBUTTONUP, event_tray, 1},
                 {WM_LBUTTONDBLCLK, event_tray, 2},
                 {WM_RBUTTONDBLCLK, event_tray, 3},
                 {WM_MOUSEMOVE, static_cast<int>(message_tray_event), -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(post_and_wait(window, message_tray_icon, 9, c.mouse_message),
                  static_cast<int>(message_tray_icon));
        EXPECT_EQ(wait_event(), c.code) << "mouse message " << c.mouse_message;
        EXPECT_EQ(event_detail(), c.detail);
        EXPECT_EQ(event_control(), 9);
    }
}

struct raised_event {
    int code, control, detail;
    bool operator==(const raised_event& other) const {
        return code == other.code && control == other.control && detail == other.detail;
    }
};

// Polls until the queue is empty; returns what each poll reported.
std::vector<raised_event> collect_events() {
    std::vector<raised_event> raised;
    for (int code = poll_event(); code != event_none; code = poll_event()) {
        raised.push_back({code, event_control(), event_detail()});
    }
    return raised;
}

bool contains(const std::vector<raised_event>& raised, raised_event wanted) {
    return std::find(raised.begin(), raised.end(), wanted) != raised.end();
}

TEST_F(event_test, ListBoxRaisesSelectionAndDoubleClickButNotFocusEvents) {
    set_control_state(1, 1);
    HWND list = create_list_box(124, 10, 10, 100, 60, 0);
    add_control_item(124, -1, "one");
    add_control_item(124, -1, "two");
    drain_events();
    focus_control(124);  // its focus notification raises nothing
    EXPECT_EQ(post_and_wait(window, WM_NULL, 0, 0), WM_NULL);

    const int row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    post_click(list, 5, row + row / 2);
    EXPECT_TRUE(contains(collect_events(), {event_control_used, 124, 0}));
    EXPECT_EQ(get_control_state(124), 1);

    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point_parameter(5, row + row / 2));
    PostMessageA(list, WM_LBUTTONUP, 0, point_parameter(5, row + row / 2));
    EXPECT_TRUE(contains(collect_events(), {event_control_used, 124, 2}));

    SetFocus(tab);  // the focus loss raises nothing either
    for (const raised_event& e : collect_events()) {
        EXPECT_FALSE(e.code == event_control_used && e.control == 124) << "detail " << e.detail;
    }
}

// Controls taking part in navigation on the main page: 100, 101, 102, 105, 104 in the
// order of creation, then the tab control before them all (it was created first).
TEST_F(event_test, TabMovesForwardAndWrapsFromTheLastToTheFirst) {
    focus_control(100);
    press_tab(false);
    EXPECT_EQ(GetFocus(), control_handle(101));
    focus_control(104);
    press_tab(false);
    EXPECT_EQ(GetFocus(), tab);  // the first window taking part
}

TEST_F(event_test, ShiftTabWithoutFocusGoesToTheLastAndWrapsBackward) {
    ASSERT_EQ(GetFocus(), nullptr);
    press_tab(true);
    EXPECT_EQ(GetFocus(), control_handle(104));
    press_tab(true);
    EXPECT_EQ(GetFocus(), control_handle(105));
    SetFocus(tab);
    press_tab(true);
    EXPECT_EQ(GetFocus(), control_handle(104));
}

TEST_F(event_test, TabSkipsHiddenPagesAndLeavesNonTakingPartFocusAlone) {
    focus_control(106);  // a label: not taking part
    press_tab(false);
    EXPECT_EQ(GetFocus(), control_handle(106));

    set_control_state(1, 1);
    focus_control(200);
    press_tab(false);
    EXPECT_EQ(GetFocus(), tab);  // the read-only box was the last: wrap, skipping page 0
    EXPECT_EQ(get_control_text(200), "about");
    press_tab(false);
    EXPECT_EQ(GetFocus(), control_handle(200));
}

}  // namespace
