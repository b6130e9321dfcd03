// Further operations on numbered windows and on the current window. None of them makes a
// decision of its own: they hand the current window's handle to the platform.
#include "ui/window_geometry.h"

#include "ui/display_scale.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace {

RECT outer_rect_of_current() {
    RECT outer = {};
    if (current_window() != nullptr) {
        GetWindowRect(current_window(), &outer);
    }
    return outer;
}

}  // namespace

void set_current_window(int number) {
    if (window_of(number) != nullptr) {
        make_current_window(window_of(number));
    }
}

void show_window(int number, int hide) {
    if (window_of(number) != nullptr) {
        ShowWindow(window_of(number), hide != 0 ? SW_HIDE : SW_SHOWNORMAL);
    }
}

void move_current_window(int x, int y) {
    if (current_window() != nullptr) {
        SetWindowPos(current_window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

void resize_current_window(int width, int height) {
    HWND window = current_window();
    if (window == nullptr) {
        return;
    }
    RECT outer = {0, 0, to_pixels(width), to_pixels(height)};
    AdjustWindowRect(&outer, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void remove_current_window_menu() {
    if (current_window() != nullptr) {
        SetMenu(current_window(), nullptr);
    }
}

int current_window_width() {
    RECT client = {};
    if (current_window() != nullptr) {
        GetClientRect(current_window(), &client);
    }
    return to_layout(client.right);
}

int current_window_height() {
    HWND window = current_window();
    if (window == nullptr) {
        return 0;
    }
    RECT client = {};
    GetClientRect(window, &client);
    return to_layout(client.bottom + (GetMenu(window) != nullptr ? GetSystemMetrics(SM_CYMENU) : 0));
}

int current_window_left() {
    return outer_rect_of_current().left;
}

int current_window_top() {
    return outer_rect_of_current().top;
}

int current_window_mouse_x() {
    POINT mouse = {};
    GetCursorPos(&mouse);
    return current_window() == nullptr ? 0 : mouse.x - outer_rect_of_current().left;
}

int current_window_mouse_y() {
    POINT mouse = {};
    GetCursorPos(&mouse);
    return current_window() == nullptr ? 0 : mouse.y - outer_rect_of_current().top;
}
