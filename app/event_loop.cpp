#include "app/event_loop.h"

#include "app/language_choice.h"
#include "app/main_page.h"
#include "app/main_window.h"
#include "app/networks_page.h"
#include "procedures/connect.h"
#include "procedures/patch.h"
#include "procedures/restart.h"
#include "procedures/window_numbers.h"
#include "ui/control.h"
#include "ui/event.h"

void run_event_loop(int32_t& wait_seconds) {
    for (;;) {
        int32_t event = wait_event();
        if (event == event_control_used) {
            switch (event_control()) {
                case wait_track_bar:
                    wait_seconds = get_control_state(wait_track_bar);
                    set_control_text(wait_label, wait_label_text(wait_seconds));
                    break;
                case connect_button:
                    run_connect(wait_seconds);
                    break;
                case patch_button:
                    run_patch(network_page().model());
                    break;
                case restart_button:
                    run_restart();
                    break;
                default:
                    handle_networks_event(event_control());
                    break;
            }
        }
        if (event == event_command && event_control() == find_command)
            focus_find_box();
        if (event == event_command && take_language_command(event_control()))
            retext_main_window(wait_seconds);
        // Renames not written or saved are lost with the window: not without asking.
        if (event == event_close_request && may_discard_renames(network_page()))
            return;
    }
}
