// Start-up time of the program to its first painted window, beside the minimal Win32 program
// that opens one window, measured in turns in the same run. Each start is timed from just
// before CreateProcess until the main window is visible and neither it nor any of its controls
// has anything left to paint, watched from outside by polling. The program starts in a fresh
// folder with the phone simulator and a settings file past the start notice.
// Usage: program_startup_bench [RUNS [PROGRAM...]]   (prints the medians in milliseconds)
//   PROGRAM...: other builds of the program, copied beside the bench under other names, timed
//   in the same turns (to compare two builds on one run).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/bench_clock.h"
#include "tests/app/program_process.h"

namespace {

constexpr DWORD start_deadline_ms = 20000;
constexpr DWORD close_deadline_ms = 10000;
constexpr DWORD close_repeat_ms = 300;
constexpr char minimal_file[] = "program_minimal_window.exe";
constexpr char minimal_title[] = "minimal window";

struct start_time {
    bool ok = false;
    double visible_ms = 0;
    double painted_ms = 0;
};

// Asks the window to close until the process has ended; false if it does not end in time.
bool close_and_wait(const PROCESS_INFORMATION& process, HWND window) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < close_deadline_ms) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, close_repeat_ms) == WAIT_OBJECT_0)
            return true;
    }
    TerminateProcess(process.hProcess, 1);
    return false;
}

start_time time_start(const std::string& folder, const char* file, const char* title) {
    start_time time;
    std::string command = "\"" + folder + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = now_ms();
    if (!CreateProcessA((folder + file).c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return time;
    HWND window = nullptr;
    while (now_ms() - start < start_deadline_ms) {
        if (window == nullptr && (window = find_main_window(process.dwProcessId, title)))
            time.visible_ms = now_ms() - start;
        if (window != nullptr && is_painted(window)) {
            time.painted_ms = now_ms() - start;
            time.ok = true;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (window == nullptr || !close_and_wait(process, window))
        time.ok = false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return time;
}

// One program's starts; painted_ratios holds each start against the minimal window's start
// of the same turn.
struct program_times {
    std::string file;
    std::vector<double> visible, painted, painted_ratios;

    explicit program_times(std::string name) : file(std::move(name)) {}
    void add(const start_time& time, const start_time& minimal) {
        visible.push_back(time.visible_ms);
        painted.push_back(time.painted_ms);
        painted_ratios.push_back(time.painted_ms / minimal.painted_ms);
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    std::vector<program_times> programs = {program_times(program_file)};
    for (int i = 2; i < argc; ++i)
        programs.emplace_back(argv[i]);
    const std::string folder = make_scratch_folder();
    bool ready = !folder.empty() && copy_beside_tests(library_file, folder) &&
                 copy_beside_tests(minimal_file, folder) &&
                 put_file(folder + "Sett.ings", "0\r\n20\r\n");
    for (const program_times& program : programs)
        ready = ready && copy_beside_tests(program.file, folder);
    if (!ready) {
        std::printf("cannot prepare %s\n", folder.c_str());
        return 1;
    }
    program_times minimal("minimal window");
    int failures = 0;
    // The first turn warms the caches and is not counted.
    for (int run = 0; run <= runs; ++run) {
        const start_time first = time_start(folder, minimal_file, minimal_title);
        std::vector<start_time> starts(programs.size());
        bool ok = first.ok;
        // Several programs start in a rotating order: none always comes right after the minimal
        // window.
        for (size_t turn = 0; turn < programs.size(); ++turn) {
            const size_t i = (turn + static_cast<size_t>(run)) % programs.size();
            starts[i] = time_start(folder, programs[i].file.c_str(), program_title);
            ok = ok && starts[i].ok;
        }
        if (!ok) {
            ++failures;
            continue;
        }
        if (run == 0)
            continue;
        minimal.add(first, first);
        for (size_t i = 0; i < programs.size(); ++i)
            programs[i].add(starts[i], first);
    }
    remove_folder(folder);
    if (minimal.painted.empty()) {
        std::printf("no start could be timed\n");
        return 1;
    }
    std::printf("start-up, median of %zu starts each (%d failed), ms from CreateProcess:\n",
                minimal.painted.size(), failures);
    std::printf("  %-24s %10s %10s\n", "", "visible", "painted");
    std::printf("  %-24s %10.1f %10.1f\n", minimal.file.c_str(), median(minimal.visible),
                median(minimal.painted));
    for (const program_times& program : programs) {
        std::printf("  %-24s %10.1f %10.1f\n", program.file.c_str(), median(program.visible),
                    median(program.painted));
        std::printf("  %-24s %10.2f %10.2f\n", "ratio",
                    median(program.visible) / median(minimal.visible),
                    median(program.painted) / median(minimal.painted));
        std::printf("  %-24s %10s %10.2f\n", "median of paired ratios", "",
                    median(program.painted_ratios));
    }
    return failures == 0 ? 0 : 1;
}
