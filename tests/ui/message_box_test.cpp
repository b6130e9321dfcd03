// Message boxes: the text, caption and flags reach the platform's box unchanged, the box
// is owned by the foreground window, and events raised while it is open come back after.
// The box is closed from the test's own thread by a hook that sees it being activated.
#include "tests/ui/ui_test_support.h"

#include "ui/message_box.h"

namespace {

struct seen_box {
    bool shown = false;
    std::string caption;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool has_cancel = false;
};
seen_box seen;
HHOOK hook = nullptr;
HWND post_close_to = nullptr;  // a window that gets WM_CLOSE while the box is open

BOOL CALLBACK find_icon(HWND child, LPARAM) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK close_box(int code, WPARAM wparam, LPARAM lparam) {
    HWND box = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && !seen.shown && class_name_of(box) == "#32770") {
        seen.shown = true;
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        seen.caption = text;
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        seen.text = text;
        seen.owner = GetWindow(box, GW_OWNER);
        HWND cancel = GetDlgItem(box, IDCANCEL);
        seen.has_cancel = cancel != nullptr && IsWindowVisible(cancel);
        EnumChildWindows(box, find_icon, 0);
        if (post_close_to != nullptr) {
            PostMessageA(post_close_to, WM_CLOSE, 0, 0);
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

class message_box_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        seen = seen_box{};
        post_close_to = nullptr;
        hook = SetWindowsHookExA(WH_CBT, close_box, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        ui_test::TearDown();
    }
};

TEST_F(message_box_test, FlagsTextAndTitleReachTheBoxUnchanged) {
    HWND window = open_main_window();
    const struct {
        int flags;
        LPCSTR icon;
    } cases[] = {{message_box_stop, IDI_HAND},
                 {message_box_exclamation, IDI_EXCLAMATION},
                 {message_box_information, IDI_ASTERISK}};
    for (const auto& c : cases) {
        seen = seen_box{};
        bring_to_foreground(window);
        const int result = message_box(
            main_title, "Can't load Platform 2000 API dll. Program will be terminated!", c.flags);
        SCOPED_TRACE(c.flags);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(seen.caption, main_title);
        EXPECT_EQ(seen.text, "Can't load Platform 2000 API dll. Program will be terminated!");
        EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.icon));
        EXPECT_FALSE(seen.has_cancel);
        EXPECT_EQ(seen.owner, window);
    }
}

TEST_F(message_box_test, LinesJoinedByLineFeedsArriveWhole) {
    open_main_window();
    const std::string text = "This is your 0 use of this program\nNote: you need to DEactivate";
    message_box(main_title, text, message_box_information);
    EXPECT_EQ(seen.text, text);
}

TEST_F(message_box_test, EventsRaisedWhileTheBoxIsOpenComeBackAfterIt) {
    HWND window = open_main_window();
    post_close_to = window;
    message_box(main_title, "notice", message_box_information);
    ASSERT_TRUE(seen.shown);
    PostMessageA(window, WM_NULL, 0, 0);
    EXPECT_EQ(wait_event(), event_close_request);
}

}  // namespace
