#include "app/program.h"

#include "app/event_loop.h"
#include "app/language_choice.h"
#include "app/main_window.h"
#include "app/settings_file.h"
#include "app/unfinished_write_check.h"
#include "app/window_place_file.h"
#include "phone/phone_library.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/library.h"
#include "runtime/memory_block.h"
#include "runtime/number_text.h"
#include "runtime/program_directory.h"
#include "runtime/random.h"
#include "runtime/single_instance.h"
#include "ui/control.h"
#include "ui/message_box.h"
#include "ui/ui_layer.h"
#include "ui/window.h"
#include "texts/program_texts.h"

namespace {

constexpr int32_t notice_runs = 20;
// Two copies would talk to the one phone at once and both write the settings file at the end.
constexpr char single_instance_name[] = "korvane-tevra";

void show_start_notice(int32_t start_count) {
    show_message(text_of(text_id::start_notice, {{"count", number_to_text(start_count)}}),
                 message_box_information);
}

void release_everything() {
    release_blocks();
    release_ui_layer();
}

}  // namespace

int run_program(uint32_t random_seed) {
    if (!claim_single_instance(single_instance_name)) {
        bring_other_copy_to_front(main_window, main_window_title);
        return 0;
    }
    init_program_directory();
    seed_random(random_seed);
    init_ui_layer();

    settings values = read_settings();
    start_language();
    build_main_window(values.wait_seconds);
    place_main_window();

    if (open_library(phone_library_number, phone_library_name) == 0) {
        show_message(text_of(text_id::no_library_message), message_box_exclamation);
        release_everything();
        return 0;
    }
    if (values.start_count < notice_runs)
        show_start_notice(values.start_count);
    check_unfinished_write();  // a write the last run did not finish: the way back

    int32_t wait_seconds = values.wait_seconds;
    run_event_loop(wait_seconds);
    keep_main_window_place();

    write_settings({get_control_state(wait_track_bar), next_start_count(values.start_count)});
    release_everything();
    return 0;
}
