// Where the main window was when it closed, as Window.ini beside the program keeps it: lines
// "x=", "y=", "width=", "height=", "maximized=" (0 or 1) and "columns=" (a list's column widths,
// comma-separated), every length in 96-DPI units; then "language=", the language chosen in the
// window's menu. Pure code: text in, text out.
#pragma once

#include <string>
#include <vector>

constexpr int window_place_columns_max = 64;

struct window_place {
    int x;
    int y;
    int width;  // the window's outer size when not maximised
    int height;
    int maximized;             // 0 or 1
    std::vector<int> columns;  // 1 to window_place_columns_max of them
};

// False for a text that is not a whole place: a line missing or out of order, a value that is no
// number or out of range (a width or height below 1 or above 32767, a place beyond +-32767, a
// column over 4000, more than window_place_columns_max columns).
// A last "language=" line is no part of the place.
bool parse_window_place(const std::string& text, window_place& place);

// The value of the file's "language=" line: "auto" when it has none, or one of other than
// letters, or of more than 8.
std::string parse_window_language(const std::string& text);

std::string format_window_place(const window_place& place, const std::string& language);
