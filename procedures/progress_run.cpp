#include "procedures/progress_run.h"

#include "procedures/window_numbers.h"
#include "runtime/delay.h"
#include "ui/control.h"
#include "ui/event.h"

void run_progress(int32_t overall_start, int32_t overall_step) {
    for (int32_t i = 0; i <= 100; ++i) {
        sleep_ms(10);
        set_control_state(step_bar, i);
        set_control_state(overall_bar, overall_start + overall_step * i);
        poll_event();
    }
}
