// The event loop as the program runs it: real clicks, key presses and close requests reach it
// through the thread's message queue, and a thread timer plays the person at the window.
#include "tests/app/app_test_support.h"

#include <commctrl.h>

#include <algorithm>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"
#include "ui/control.h"
#include "ui/window.h"

namespace {

using event_loop_test = app_test;

constexpr DWORD give_up_ms = 20000;  // a loop that never sees its close is ended here

void post_close() {
    PostMessageA(window_of(main_window), WM_CLOSE, 0, 0);
}

void post_click(int button) {
    PostMessageA(control(button), BM_CLICK, 0, 0);
}

// Closes the window once the status shows one of the texts (or at the give-up time).
void close_when_status_is(std::vector<std::string> texts, int& closes) {
    const DWORD start = GetTickCount();
    run_from_polls([texts, start, &closes] {
        const std::string status = status_text();
        if (std::find(texts.begin(), texts.end(), status) == texts.end() &&
            GetTickCount() - start <= give_up_ms)
            return false;
        ++closes;
        post_close();
        return true;
    });
}

// A click on Patch runs Patch. What its polling takes is lost: a close request, a click on
// Restart and a track bar move made during its first run change nothing; the loop ends at the
// close that comes after the Patch.
TEST_F(event_loop_test, PatchRunsFromItsClickAndWhatItsRunTakesIsDropped) {
    connected_phone_with(table_bytes(sample_records()));
    post_click(patch_button);
    const DWORD start = GetTickCount();
    int closes = 0;
    run_from_polls([&] {
        const std::string status = status_text();
        if (closes == 0 && status == "Patching...") {
            post_click(restart_button);
            HWND bar = control(wait_track_bar);
            SendMessageA(bar, TBM_SETPOS, TRUE, 5);
            PostMessageA(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 5),
                         reinterpret_cast<LPARAM>(bar));
            post_close();
            closes = 1;
        } else if ((closes == 1 && status == success_status) ||
                   GetTickCount() - start > give_up_ms) {
            post_close();
            closes = 2;
            return true;
        }
        return false;
    });

    int wait_seconds = 0;
    run_event_loop(wait_seconds);

    EXPECT_EQ(closes, 2);
    EXPECT_EQ(status_text(), success_status);
    EXPECT_EQ(phone_table(), table_bytes(renamed(sample_records(), "Super-Line")));
    for (const std::string& line : log_lines())
        EXPECT_EQ(line.find("P2K_Restart"), std::string::npos) << line;
    EXPECT_EQ(wait_seconds, 0);
    EXPECT_EQ(get_control_text(wait_label), "Wait 0 sec. for P2K device.");
    EXPECT_EQ(get_control_state(wait_track_bar), 5);
}

// A drag of the thumb: the bar stands at 7 and tells its page, as the track bar control does.
TEST_F(event_loop_test, TrackBarDraggedTo7SetsTheWaitAndItsLabel) {
    HWND bar = control(wait_track_bar);
    SendMessageA(bar, TBM_SETPOS, TRUE, 7);
    PostMessageA(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 7),
                 reinterpret_cast<LPARAM>(bar));
    PostMessageA(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(bar));
    post_close();

    int wait_seconds = 0;
    run_event_loop(wait_seconds);

    EXPECT_EQ(wait_seconds, 7);
    EXPECT_EQ(get_control_text(wait_label), "Wait 7 sec. for P2K device.");
}

// "Русский" in the system menu: every text at once in Russian (the status too), the menu's check
// on it and Window.ini keeping it; "As Windows" then gives English back on this English system.
TEST_F(event_loop_test, LanguageChosenInTheSystemMenuTakesEffectAtOnce) {
    const std::string place_file = path_beside_program("Window.ini");
    constexpr int russian_command = 0x1020;
    PostMessageA(window_of(main_window), WM_SYSCOMMAND, russian_command, 0);
    post_close();
    int wait_seconds = 3;
    run_event_loop(wait_seconds);

    EXPECT_EQ(get_control_text(connect_button), "Подключить");
    EXPECT_EQ(get_control_text(wait_label), "Ожидание устройства P2K: 3 с.");
    EXPECT_EQ(get_control_item_text(tab_control, 3), "Сети");
    EXPECT_EQ(status_text(), "Нажмите «Подключить»");  // the status the window opened with
    HMENU menu = GetSystemMenu(window_of(main_window), FALSE);
    HMENU languages = GetSubMenu(menu, GetMenuItemCount(menu) - 1);
    EXPECT_EQ(GetMenuState(languages, russian_command, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    std::string kept;
    read_whole_file(place_file, kept, 4096);
    EXPECT_NE(kept.find("\r\nlanguage=ru\r\n"), std::string::npos) << kept;

    PostMessageA(window_of(main_window), WM_SYSCOMMAND, 0x1000, 0);
    post_close();
    run_event_loop(wait_seconds);
    EXPECT_EQ(get_control_text(connect_button), "Connect");
    DeleteFileA(place_file.c_str());
}

// The arrow key moves the bar to 1; the Connect that follows waits that long and says so.
TEST_F(event_loop_test, ArrowKeyOnTheTrackBarSetsTheWaitOfTheNextConnect) {
    set_variable("P2KSIM_FAIL", "P2K_Init:1");
    reset_phone();
    HWND bar = control(wait_track_bar);
    PostMessageA(bar, WM_KEYDOWN, VK_RIGHT, 1);
    PostMessageA(bar, WM_KEYUP, VK_RIGHT, 0xC0000001);
    post_click(connect_button);
    int closes = 0;
    close_when_status_is({"Failed.", "Connected in P2K Mode."}, closes);

    int wait_seconds = 0;
    run_event_loop(wait_seconds);

    EXPECT_EQ(closes, 1);
    EXPECT_EQ(wait_seconds, 1);
    EXPECT_EQ(get_control_state(wait_track_bar), 1);
    EXPECT_EQ(get_control_text(wait_label), "Wait 1 sec. for P2K device.");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text,
              "Can't connect phone in\nPlatform 2000 Mode.\nProgram waited 1 sec.\n"
              "Examine your drivers or increase ''Wait'' time.");
    EXPECT_EQ(boxes()[0].flags, 0x10);
    EXPECT_EQ(status_text(), "Failed.");
    EXPECT_EQ(get_control_state(overall_bar), 100);
}

}  // namespace
