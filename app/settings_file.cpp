#include "app/settings_file.h"

#include <algorithm>
#include <cstdint>

#include "procedures/window_numbers.h"
#include "runtime/local_file.h"
#include "runtime/number_text.h"

namespace {
constexpr int32_t settings_file = 0;
}

settings read_settings() {
    settings values{};
    open_file(settings_file, settings_file_name);
    values.wait_seconds = std::clamp(text_to_number(read_line()), 0, wait_max_seconds);
    values.start_count = text_to_number(read_line());
    close_file(settings_file);
    return values;
}

void write_settings(const settings& values) {
    delete_file(settings_file_name);
    open_file(settings_file, settings_file_name);
    write_line(number_to_text(values.wait_seconds));
    write_line(number_to_text(values.start_count));
    // An old file that could not be deleted may be longer than the two lines.
    end_file_here(settings_file);
    close_file(settings_file);
}

int32_t next_start_count(int32_t count) {
    return count == INT32_MAX ? count : count + 1;
}
