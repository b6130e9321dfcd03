#include "app/networks_page.h"

#include "procedures/networks_files.h"
#include "procedures/networks_list.h"
#include "procedures/networks_read.h"
#include "procedures/networks_write.h"
#include "procedures/window_numbers.h"
#include "ui/control.h"
#include "ui/list_view.h"
#include "ui/push_button.h"

namespace {

struct column {
    const char* header;
    int width;
};
constexpr column columns[] = {
    {"Name on phone", 90}, {"Network", 60}, {"Country", 110}, {"Operator", 90}, {"Key", 72}};

struct button {
    int number;
    const char* text;
};
constexpr button buttons[] = {{read_button, "Read"},
                              {write_button, "Write"},
                              {open_button, "Open..."},
                              {save_as_button, "Save as..."}};

constexpr int left = 10;
constexpr int width = 270;
constexpr int list_top = 8;
constexpr int list_height = 100;
constexpr int button_top = 114;
constexpr int button_height = 20;
constexpr int button_gap = 6;

}  // namespace

void build_networks_page() {
    create_list_view(network_list, left, list_top, width, list_height);
    for (const column& each : columns)
        add_list_view_column(network_list, each.header, each.width);
    constexpr int count = sizeof buttons / sizeof buttons[0];
    constexpr int button_width = (width - (count - 1) * button_gap) / count;
    for (int i = 0; i < count; ++i)
        create_button(buttons[i].number, left + i * (button_width + button_gap), button_top,
                      button_width, button_height, buttons[i].text);
    unmark_network_records();  // what a Read, an Open... or a failed Patch put in the list
}

void handle_networks_event(int control) {
    take_renames();
    switch (control) {
        case read_button:
            run_read();
            break;
        case write_button:
            run_write();
            break;
        case open_button:
            run_open();
            break;
        case save_as_button:
            run_save_as();
            break;
        default:
            break;
    }
}
