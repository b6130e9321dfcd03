#include "app/window_place_file.h"

#include <windows.h>

#include <algorithm>

#include "app/language_choice.h"
#include "app/main_window.h"
#include "app/networks_page.h"
#include "procedures/window_numbers.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"
#include "runtime/window_place.h"
#include "ui/display_scale.h"
#include "ui/window.h"

namespace {

constexpr char place_file[] = "Window.ini";
constexpr int place_file_max = 4096;

LONG area_of(const RECT& rect) {
    return std::max(0L, rect.right - rect.left) * std::max(0L, rect.bottom - rect.top);
}

// Whether more than half the rectangle is on one screen's work area.
bool mostly_on_a_screen(const RECT& rect) {
    HMONITOR screen = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT common = {};
    return screen != nullptr && GetMonitorInfoA(screen, &info) &&
           IntersectRect(&common, &rect, &info.rcWork) && area_of(common) * 2 > area_of(rect);
}

}  // namespace

void place_main_window() {
    std::string text;
    window_place place = {};
    if (read_whole_file(path_beside_program(place_file), text, place_file_max) !=
            whole_file_read::read ||
        !parse_window_place(text, place) || !keep_network_column_widths(place.columns))
        return;
    HWND window = window_of(main_window);
    RECT smallest = {0, 0, to_pixels(main_window_opening_width),
                     to_pixels(main_window_opening_height)};
    AdjustWindowRect(&smallest, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE);
    const int width =
        std::max(to_pixels(place.width), static_cast<int>(smallest.right - smallest.left));
    const int height =
        std::max(to_pixels(place.height), static_cast<int>(smallest.bottom - smallest.top));
    RECT kept = {to_pixels(place.x), to_pixels(place.y), 0, 0};
    kept.right = kept.left + width;
    kept.bottom = kept.top + height;
    if (!mostly_on_a_screen(kept)) {
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        if (width > work.right - work.left || height > work.bottom - work.top)
            return;  // centred at the smallest size, as it opens without the file
        OffsetRect(&kept, (work.left + work.right - width) / 2 - kept.left,
                   (work.top + work.bottom - height) / 2 - kept.top);
    }
    SetWindowPos(window, nullptr, kept.left, kept.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (place.maximized)
        ShowWindow(window, SW_MAXIMIZE);
}

void keep_main_window_place() {
    HWND window = window_of(main_window);
    WINDOWPLACEMENT shown = {};
    shown.length = sizeof shown;
    if (window == nullptr || !GetWindowPlacement(window, &shown))
        return;
    const RECT& normal = shown.rcNormalPosition;
    window_place place = {};
    place.x = to_layout(normal.left);
    place.y = to_layout(normal.top);
    place.width = to_layout(normal.right - normal.left);
    place.height = to_layout(normal.bottom - normal.top);
    place.maximized = IsZoomed(window) ? 1 : 0;
    place.columns = network_column_widths();
    replace_file(path_beside_program(place_file), format_window_place(place, language_setting()));
}

std::string kept_language() {
    std::string text;
    if (read_whole_file(path_beside_program(place_file), text, place_file_max) !=
        whole_file_read::read)
        return "auto";
    return parse_window_language(text);
}
