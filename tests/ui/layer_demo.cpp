// A window built with the layer the way the application builds its main window, to look
// at: the Main page's controls, two text pages and the status bar. It stays open until
// its close box is used. Not a test.
#include <windows.h>

#include <string>

#include "ui/control.h"
#include "ui/event.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/push_button.h"
#include "ui/status_bar.h"
#include "ui/tab_control.h"
#include "ui/text_field.h"
#include "ui/track_bar.h"
#include "ui/ui_layer.h"
#include "ui/window.h"

namespace {

constexpr int wait_seconds = 5;

std::string wait_label(int seconds) {
    return "Wait " + std::to_string(seconds) + " sec. for P2K device.";
}

void build_window() {
    open_window(0, 100, 120, 290, 180, 0x00CA0001, "[RUS] P2k Korvane Tevra v3.1-tisku");
    set_container(current_window());
    create_tab_control(1, 0, 0, 290, 164);

    add_control_item(1, -1, "Main");
    create_button(100, 10, 10, 80, 20, "Connect");
    create_button(101, 100, 10, 80, 20, "Patch");
    create_button(102, 190, 10, 80, 20, "Restart");
    create_text_field(105, 100, 40, 120, 20, "Super-Line");
    create_label(106, 10, 44, 70, 20, "New operator:");
    create_label(103, 10, 69, 270, 15, wait_label(wait_seconds));
    create_track_bar(104, 10, 84, 270, 20, 0, 20);
    set_control_state(104, wait_seconds);
    create_progress_bar(110, 10, 105, 270, 12, 0, 100);
    create_progress_bar(111, 10, 120, 270, 12, 0, 400);
    set_control_state(110, 60);
    set_control_state(111, 150);
    focus_control(-1);

    add_control_item(1, -1, "Help-n-About");
    create_text_box(200, 10, 10, 270, 124, "[RUS] Korvane P2k Tevra v3.1-tisku(p2kAPI)\r\n", 0x8E4);
    add_control_item(1, -1, "License");
    create_text_box(400, 10, 10, 270, 124, "[RUS] Korvane P2k Tevra v3.1-tisku(p2kAPI)\r\n", 0x8E4);

    create_status_bar(0, current_window());
    add_status_field(290);
    set_status_text(0, 0, "Press ''connect''", 0);
    set_control_state(1, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    init_ui_layer();
    build_window();
    for (;;) {
        const int code = wait_event();
        if (code == event_close_request) {
            break;
        }
        if (code == event_control_used && event_control() == 104) {
            set_control_text(103, wait_label(get_control_state(104)));
        }
    }
    release_ui_layer();
    return 0;
}
