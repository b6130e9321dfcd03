// Keyboard navigation over the descendants of the active window, in the platform's
// enumeration order, which descends into tab controls and their pages. A window takes
// part when it is enabled, visible (with all its ancestors) and has WS_TABSTOP.
#include "ui/focus_navigation.h"

#include <windows.h>

#include <vector>

namespace {

BOOL CALLBACK collect_taking_part(HWND window, LPARAM list) {
    if (IsWindowEnabled(window) && IsWindowVisible(window) &&
        (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

// The windows taking part, in enumeration order, and the focused one among the active
// window's descendants (0 when the focus is elsewhere or nowhere).
std::vector<HWND> taking_part(HWND& start) {
    std::vector<HWND> windows;
    HWND active = GetActiveWindow();
    start = nullptr;
    if (active == nullptr) {
        return windows;
    }
    HWND focused = GetFocus();
    if (focused != nullptr && IsChild(active, focused)) {
        start = focused;
    }
    EnumChildWindows(active, collect_taking_part, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

void focus_next_control() {
    HWND start = nullptr;
    const std::vector<HWND> windows = taking_part(start);
    bool next = false;
    for (HWND window : windows) {
        if (next || start == nullptr) {
            SetFocus(window);
            return;
        }
        if (window == start) {
            next = true;
        }
    }
    if (next) {  // start was the last window taking part: wrap to the first
        SetFocus(windows.front());
    }
}

void focus_previous_control() {
    HWND start = nullptr;
    const std::vector<HWND> windows = taking_part(start);
    HWND previous = nullptr;
    for (HWND window : windows) {
        if (window == start && previous != nullptr) {
            SetFocus(previous);
            return;
        }
        previous = window;
    }
    // From the first window, or with no control focused: the focus goes to the last one.
    if (previous != nullptr) {
        SetFocus(previous);
    }
}
