#include "procedures/connect.h"

#include "phone/phone_library.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/delay.h"
#include "runtime/number_text.h"
#include "ui/control.h"
#include "ui/event.h"
#include "texts/program_texts.h"

std::string connect_timer_text(int32_t step, int32_t wait_seconds) {
    int32_t tenths = step * wait_seconds / 10;
    return text_of(text_id::switching_status, {{"seconds", number_to_text(tenths / 10)},
                                               {"tenths", number_to_text(tenths % 10)}});
}

void run_connect(int32_t wait_seconds) {
    p2k_init();
    for (int32_t i = 0; i <= 100; ++i) {
        sleep_ms(wait_seconds * 10);
        set_control_state(step_bar, i);
        set_control_state(overall_bar, i);
        show_status(connect_timer_text(i, wait_seconds));
        poll_event();
    }
    if (p2k_get_status() == 1) {
        show_status(text_id::connected_status);
        return;
    }
    show_message(
        text_of(text_id::connect_failed_message, {{"seconds", number_to_text(wait_seconds)}}),
        message_box_stop);
    show_status(text_id::failed_status);
}
