// The Patch's own time beside its two fixed progress runs, in-process against the phone
// simulator: the main window is built as the program builds it, the simulated phone is
// connected from the start and holds a generated operator table, and run_patch is timed whole.
// The delay is replaced by one that sleeps alike and notes when each sleep began and ended:
// every progress step begins with its sleep, so the gaps between sleeps show the Patch's own
// work before, between and after its two progress runs, apart from the steps' bar updates and
// polls. The Patch's steps are also timed one by one.
// Run it from a folder of its own: every Patch leaves a backup beside the program.
// Usage: program_patch_bench [RUNS]   (prints the medians in milliseconds)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/networks_page.h"
#include "phone/operator_table.h"
#include "phone/phone_library.h"
#include "phone/table_backup.h"
#include "procedures/patch.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/delay.h"
#include "runtime/library.h"
#include "runtime/memory_block.h"
#include "runtime/program_directory.h"
#include "runtime/random.h"
#include "tests/app/bench_clock.h"
#include "ui/control.h"
#include "ui/ui_layer.h"

namespace {

constexpr char new_name[] = "Super-Line";
int boxes_seen = 0;
struct sleep_span {
    double start;
    double end;
};
std::vector<sleep_span> sleeps;  // every sleep_ms since the list was last cleared

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Median time of runs calls of work, each after prepare (not timed).
double time_median(int runs, const std::function<void()>& prepare,
                   const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double start = now_ms();
        work();
        times.push_back(now_ms() - start);
    }
    return median(times);
}

// A Patch that succeeds opens no box; any box is counted and closed.
LRESULT CALLBACK close_boxes(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_ACTIVATE) {
        char name[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wparam), name, sizeof name);
        if (std::string(name) == "#32770") {
            ++boxes_seen;
            PostMessageA(reinterpret_cast<HWND>(wparam), WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Up to records operator records with names of 9 to 20 bytes, as many as fit in the read block.
std::string make_table(int records) {
    std::string table;
    for (int i = 0; i < records; ++i) {
        const std::string name =
            ("Network " + std::string(i % 13, 'a' + i % 26) + "x").substr(0, 20);
        std::string record = {static_cast<char>(i & 0xFF), static_cast<char>((i >> 8) & 0xFF),
                              '\x0F', '\x01', static_cast<char>(name.size())};
        record += name;
        if (table.size() + record.size() > static_cast<size_t>(operator_table_read_limit))
            break;
        table += record;
    }
    return table;
}

size_t parse_count(const std::string& table) {
    std::vector<operator_record> records;
    parse_operator_table(table, records);
    return records.size();
}

std::string phone_table_path() {
    return path_beside_program("phone\\a\\plmn_text_table.bin");
}

void put_phone_table(const std::string& table) {
    CreateDirectoryA(path_beside_program("phone").c_str(), nullptr);
    CreateDirectoryA(path_beside_program("phone\\a").c_str(), nullptr);
    HANDLE file = CreateFileA(phone_table_path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, table.data(), static_cast<DWORD>(table.size()), &written, nullptr);
    CloseHandle(file);
}

std::string phone_table() {
    std::string bytes(operator_table_read_limit, '\0');
    read_phone_file(operator_table_path, reinterpret_cast<uint8_t*>(&bytes[0]),
                    operator_table_read_limit);
    return bytes;
}

bool measure_table(const char* what, int records, int runs) {
    const std::string table = make_table(records);
    records = static_cast<int>(parse_count(table));
    const std::string image = table + std::string(operator_table_read_limit - table.size(), '\0');
    const std::string expected = rewrite_operator_table(image, new_name).table;
    const auto restore = [&] { put_phone_table(table); };
    const auto nothing = [] {};

    // Per run: the whole Patch and the time stamps of its 202 sleeps. A step's time awake (bars
    // and polls) is the gap from its sleep's end to the next sleep; the Patch's own time is
    // what lies before the first sleep, between the two runs and after the last sleep, less
    // the two steps' time awake that falls into those spans.
    const size_t steps = 101;
    std::vector<double> patch_times, asleep_times, awake_times, own_times;
    std::vector<double> before_times, between_times, after_times;
    bool ok = true;
    for (int run = 0; run < runs; ++run) {
        restore();
        set_control_state(overall_bar, 0);
        sleeps.clear();
        const double start = now_ms();
        run_patch(network_page().model());
        const double end = now_ms();
        ok = ok && boxes_seen == 0 && get_control_state(overall_bar) == 300 &&
             sleeps.size() == 2 * steps && phone_table().compare(0, expected.size(), expected) == 0;
        if (sleeps.size() != 2 * steps)
            continue;
        double asleep = 0;
        std::vector<double> step_awake;
        for (size_t i = 0; i < sleeps.size(); ++i) {
            asleep += sleeps[i].end - sleeps[i].start;
            if (i + 1 < sleeps.size() && i + 1 != steps)
                step_awake.push_back(sleeps[i + 1].start - sleeps[i].end);
        }
        const double awake_step = median(step_awake);
        const double before = sleeps.front().start - start;
        const double between = sleeps[steps].start - sleeps[steps - 1].end - awake_step;
        const double after = end - sleeps.back().end - awake_step;
        patch_times.push_back(end - start);
        asleep_times.push_back(asleep);
        awake_times.push_back(end - start - asleep - before - between - after);
        before_times.push_back(before);
        between_times.push_back(between);
        after_times.push_back(after);
        own_times.push_back(before + between + after);
    }
    if (own_times.empty())
        return false;

    // The Patch's own steps, one by one, as run_patch calls them.
    std::string read;
    rewrite_result rewritten;
    std::string backup_path;
    const double read_time = time_median(runs, restore, [&] { read = phone_table(); });
    const double rewrite_time =
        time_median(runs, nothing, [&] { rewritten = rewrite_operator_table(read, new_name); });
    const double backup_time = time_median(runs, nothing, [&] {
        save_table_backup(read.substr(0, rewritten.old_table_length), backup_path);
    });
    const double write_time = time_median(runs, restore, [&] {
        write_phone_file(operator_table_path,
                         reinterpret_cast<const uint8_t*>(rewritten.table.data()),
                         static_cast<int32_t>(rewritten.table.size()));
    });

    std::printf("%s: %d records, %zu bytes, median of %d runs (ms)%s\n", what, records,
                table.size(), runs, ok ? "" : "   ** the Patch did not succeed **");
    std::printf("  %-44s %9.1f\n", "run_patch, whole", median(patch_times));
    std::printf("  %-44s %9.1f\n", "  asleep in its 202 progress steps", median(asleep_times));
    std::printf("  %-44s %9.1f\n", "  awake in its progress steps (bars, polls)",
                median(awake_times));
    std::printf("  %-44s %9.2f\n", "  the Patch's own", median(own_times));
    std::printf("  %-44s %9.2f\n", "    before the first run (checks, read)", median(before_times));
    std::printf("  %-44s %9.2f\n", "    between the runs (rewrite ... read back)",
                median(between_times));
    std::printf("  %-44s %9.2f\n", "    after the second run (status)", median(after_times));
    std::printf("  %-44s\n", "  the Patch's steps timed one by one:");
    std::printf("  %-44s %9.2f\n", "    read from the phone (4 calls)", read_time);
    std::printf("  %-44s %9.3f\n", "    rewrite_operator_table", rewrite_time);
    std::printf("  %-44s %9.2f\n", "    save_table_backup", backup_time);
    std::printf("  %-44s %9.2f\n", "    write to the phone (5 calls)", write_time);
    std::printf("  %-44s %9.2f\n", "    read back: another read", read_time);
    std::printf("  %-44s %9.2f\n", "    together",
                2 * read_time + rewrite_time + backup_time + write_time);
    return ok;
}

}  // namespace

// In place of the runtime's delay (runtime/delay.cpp, which this program does not link): the
// same sleep, with its start and end noted.
void sleep_ms(int32_t ms) {
    const double start = now_ms();
    Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
    sleeps.push_back({start, now_ms()});
}

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    SetEnvironmentVariableA("P2KSIM_CONNECTED", "1");
    init_program_directory();
    seed_random(GetTickCount());
    init_ui_layer();
    const double build_start = now_ms();
    build_main_window(0);
    const double build_time = now_ms() - build_start;
    // The window opens on a random page; the bars are drawn only on the main page, where a
    // person clicking Patch sees them.
    set_control_state(tab_control, 0);
    if (open_library(phone_library_number, phone_library_name) == 0) {
        std::printf("cannot load %s\n", phone_library_name);
        return 1;
    }
    HHOOK hook = SetWindowsHookExA(WH_CBT, close_boxes, nullptr, GetCurrentThreadId());

    sleeps.clear();
    sleep_ms(10);
    std::printf("one sleep_ms(10) here takes %.2f ms\n", sleeps[0].end - sleeps[0].start);
    std::printf("build_main_window took %.1f ms (once, at start)\n\n", build_time);
    bool ok = measure_table("sample-sized table", 48, runs);
    std::printf("\n");
    ok = measure_table("table filling the read block", 100000, runs) && ok;

    UnhookWindowsHookEx(hook);
    release_blocks();
    release_ui_layer();
    return ok ? 0 : 1;
}
