// Shared set-up of the window layer tests: a fresh layer per test, a main window brought
// to the foreground, and pumping of the layer's events until a short deadline.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/ui_layer.h"
#include "ui/window.h"

constexpr int main_window_flags = 0x00CA0001;
constexpr int main_client_width = 290;
constexpr int main_client_height = 180;
constexpr char main_title[] = "[RUS] P2k Korvane Tevra v3.1-tisku";

// Takes events with poll_event until the condition holds or the deadline passes.
inline bool pump_until(const std::function<bool()>& condition, DWORD milliseconds = 2000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        if (poll_event() == event_none) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

// Takes every event that is waiting; returns the codes taken.
inline std::vector<int> drain_events(DWORD milliseconds = 1000) {
    std::vector<int> codes;
    const DWORD start = GetTickCount();
    for (int code = poll_event(); code != event_none && GetTickCount() - start < milliseconds;
         code = poll_event()) {
        codes.push_back(code);
    }
    return codes;
}

// Polls until an event with the code arrives; false at the deadline.
inline bool poll_until_event(int code, DWORD milliseconds = 2000) {
    bool seen = false;
    return pump_until(
        [&] {
            if (!seen) {
                seen = poll_event() == code;
            }
            return seen;
        },
        milliseconds);
}

inline void bring_to_foreground(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    pump_until([&] { return GetForegroundWindow() == window && GetActiveWindow() == window; });
}

inline std::string class_name_of(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline RECT rect_in_parent(HWND window) {
    RECT area = {};
    GetWindowRect(window, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

inline LPARAM point_parameter(int x, int y) {
    return MAKELPARAM(x, y);
}

// Makes the key count as held down (or let go) for the keyboard messages the thread takes next.
inline void hold_key(BYTE key, bool held) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[key] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

// A click with the left mouse button at client coordinates of the window, as posted
// mouse messages.
inline void post_click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point_parameter(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, point_parameter(x, y));
}

// Each test starts with a fresh layer and releases it at the end, as the program does.
class ui_test : public ::testing::Test {
protected:
    void SetUp() override {
        init_ui_layer();
        drain_events();
    }
    void TearDown() override {
        release_ui_layer();
        drain_events();
    }

    // Window 0 as the application opens it, in the foreground, with its start-up
    // messages taken.
    HWND open_main_window() {
        HWND window = open_window(0, 100, 120, main_client_width, main_client_height,
                                  main_window_flags, main_title);
        bring_to_foreground(window);
        drain_events();
        return window;
    }
};
