// The Networks page's list with 5000 rows: the time to fill it (the page's own fill, cells
// made from the records as the page makes them) and to scroll it a page at a time from the
// first row to the last, painting after every step, in the main window as the program builds it;
// then, in the window as it opens and grown to 800 x 600, each keystroke typed into the find box
// (the list filtered and painted), each header click's sort (sorted and painted), and Ctrl+Z and
// Ctrl+Y on the list after every row was renamed (undone or redone, and painted). Usage:
// program_list_bench [ROWS]   (prints the medians in milliseconds)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/networks_page.h"
#include "ui/window_geometry.h"
#include "phone/network_names.h"
#include "procedures/window_numbers.h"
#include "tests/app/bench_clock.h"
#include "ui/control.h"
#include "ui/list_view.h"
#include "ui/ui_layer.h"
#include "ui/window.h"

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void hold_control(bool held) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

void take_messages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 5000;
    init_ui_layer();
    build_main_window(0);
    set_control_state(tab_control, 3);
    take_messages();
    HWND list = control_handle(network_list);

    std::vector<operator_record> records;
    for (int i = 0; i < rows; ++i) {
        std::string key = "\x52\xF0\x10";
        key += static_cast<char>(i & 0xFF);
        records.push_back({key, "Network number " + std::to_string(i)});
    }
    std::vector<double> fills, scrolls;
    int steps = 0;
    for (int run = 0; run < 7; ++run) {
        double start = now_ms();
        load_networks(network_page().model(), records);
        UpdateWindow(list);
        fills.push_back(now_ms() - start);

        start = now_ms();
        steps = 0;
        SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
        UpdateWindow(list);
        while (SendMessageA(list, LVM_GETTOPINDEX, 0, 0) +
                   SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0) <
               rows) {
            SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
            UpdateWindow(list);
            ++steps;
        }
        scrolls.push_back((now_ms() - start) / std::max(steps, 1));
        take_messages();
    }
    std::printf(
        "  %d rows: fill and first paint %.1f ms; %d page scrolls, %.2f ms each with "
        "its paint (medians of 7)\n",
        rows, median(fills), steps, median(scrolls));

    // Each step as the user makes it, painted; the median and the slowest of each kind.
    load_networks(network_page().model(), records);
    for (const int height : {180, 600}) {
        resize_current_window(height == 180 ? 290 : 800, height);
        take_messages();
        std::vector<double> finds, sorts, paints;  // paints: the list's paint alone, of both
        const std::string typed[] = {"n",   "ne",   "net", "netw", "2",   "25",
                                     "250", "250-", "1",   "12",   "123", ""};
        for (int run = 0; run < 3; ++run) {
            for (const std::string& text : typed) {
                const double start = now_ms();
                SetWindowTextA(control_handle(find_field), text.c_str());
                handle_networks_event(find_field);
                const double painted = now_ms();
                UpdateWindow(list);
                finds.push_back(now_ms() - start);
                paints.push_back(now_ms() - painted);
            }
            for (int column : {0, 0, 0, 2, 2, 2, network_number_column, network_number_column}) {
                const double start = now_ms();
                sort_networks_by(network_page().model(), column);
                const double painted = now_ms();
                UpdateWindow(list);
                sorts.push_back(now_ms() - start);
                paints.push_back(now_ms() - painted);
            }
            take_messages();
        }
        // Every row renamed, then Ctrl+Z and Ctrl+Y in turn, as the list takes the keys.
        rename_networks(network_page().model(), network_page().model().shown, "Mistake");
        std::vector<double> undos;
        hold_control(true);
        for (int run = 0; run < 20; ++run) {
            const double start = now_ms();
            SendMessageA(list, WM_KEYDOWN, run % 2 == 0 ? 'Z' : 'Y', 1);
            handle_networks_event(network_list);
            UpdateWindow(list);
            undos.push_back(now_ms() - start);
        }
        hold_control(false);
        std::printf("  %s: undo or redo of a rename of %d rows: %.1f ms median (and painted)\n",
                    height == 180 ? "290 x 180" : "800 x 600", rows, median(undos));
        std::printf(
            "  %s: find box, %d keystrokes: %.1f ms median, %.1f ms slowest; %d header clicks: "
            "%.1f "
            "ms median, %.1f ms slowest (filtered or sorted, and painted; the paint alone %.1f ms "
            "median)\n",
            height == 180 ? "290 x 180" : "800 x 600", static_cast<int>(finds.size()),
            median(finds), *std::max_element(finds.begin(), finds.end()),
            static_cast<int>(sorts.size()), median(sorts),
            *std::max_element(sorts.begin(), sorts.end()), median(paints));
    }
    release_ui_layer();
    return 0;
}
