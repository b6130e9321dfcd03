#include "procedures/restart.h"

#include "phone/phone_library.h"
#include "procedures/progress_run.h"
#include "procedures/status_and_messages.h"
#include "texts/program_texts.h"

void run_restart() {
    if (p2k_get_status() == 0) {
        show_status(text_id::restart_not_connected_status);
        return;
    }
    show_status(text_id::restarting_status);
    run_progress(300, 2);  // the overall bar is full from the middle of the run on
    p2k_restart();
    show_status(text_id::restarted_status);
}
