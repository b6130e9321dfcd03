// Status bars: the common controls' status window, which places itself along the bottom
// of its parent. The right edges of the fields of the bar created last are kept here, so
// that each new field is sent to the bar together with all those left of it.
#include "ui/status_bar.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <vector>

#include "ui/control_table.h"
#include "ui/display_scale.h"
#include "runtime/wide_text.h"

namespace {

// Numbers 0 to capacity are usable: the table has capacity + 1 entries.
int capacity = 0;
std::vector<HWND> status_bar_table;
HWND current_status_bar = nullptr;
std::array<int, status_field_limit> field_edges = {};
int field_count = 0;

HWND status_bar_of(int number) {
    if (number < 0 || number > capacity) {
        return nullptr;
    }
    return status_bar_table[number];
}

}  // namespace

void init_status_bars() {
    capacity = initial_status_bar_capacity;
    status_bar_table.assign(capacity + 1, nullptr);
    current_status_bar = nullptr;
    field_count = 0;
}

window_handle create_status_bar(int number, window_handle parent) {
    if (number < 0) {
        return nullptr;
    }
    if (number > capacity) {
        capacity = number + status_bar_capacity_step;
        status_bar_table.resize(capacity + 1, nullptr);
    }
    HWND bar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, L"", parent, 0);
    if (bar == nullptr) {
        return nullptr;
    }
    if (HFONT font = scaled_font_or_none())
        SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    status_bar_table[number] = bar;
    current_status_bar = bar;
    field_count = 0;
    return bar;
}

void add_status_field(int width) {
    if (field_count >= status_field_limit) {
        return;
    }
    field_edges[field_count] =
        to_pixels(width) + (field_count > 0 ? field_edges[field_count - 1] : 0);
    ++field_count;
    if (current_status_bar != nullptr) {
        SendMessageA(current_status_bar, SB_SETPARTS, static_cast<WPARAM>(field_count),
                     reinterpret_cast<LPARAM>(field_edges.data()));
    }
}

void set_status_text(int number, int field, const std::string& text, int flags) {
    HWND bar = status_bar_of(number);
    if (bar == nullptr) {
        return;
    }
    WPARAM field_word = static_cast<WPARAM>(field);
    if (flags & status_flag_no_border) {
        field_word |= SBT_NOBORDERS;
    } else if (flags & status_flag_raised) {
        field_word |= SBT_POPOUT;
    }
    // The status bar centres what follows one tab and right-aligns what follows two.
    std::string shown;
    if (flags & status_flag_centred) {
        shown = "\t";
    } else if (flags & status_flag_right) {
        shown = "\t\t";
    }
    shown += text;
    SendMessageW(bar, SB_SETTEXTW, field_word, reinterpret_cast<LPARAM>(wide_text(shown).data()));
}

void set_status_icon(int number, int field, void* icon) {
    HWND bar = status_bar_of(number);
    if (bar != nullptr && icon != nullptr) {
        SendMessageA(bar, SB_SETICON, static_cast<WPARAM>(field), reinterpret_cast<LPARAM>(icon));
    }
}

void fit_status_bars(window_handle window) {
    for (HWND bar : status_bar_table) {
        if (bar == nullptr || GetParent(bar) != window) {
            continue;
        }
        SendMessageA(bar, WM_SIZE, 0, 0);
        std::array<int, status_field_limit> edges = {};
        const int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, status_field_limit,
                                                        reinterpret_cast<LPARAM>(edges.data())));
        if (count > 0 && edges[count - 1] != -1) {
            edges[count - 1] = -1;
            SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(count),
                         reinterpret_cast<LPARAM>(edges.data()));
        }
        // The last field grew with the bar: all of it is painted again, not only what is new
        // (Wine's bar would leave its text out).
        InvalidateRect(bar, nullptr, TRUE);
    }
}

void refont_status_bars() {
    HFONT font = scaled_font_or_none();  // 0: the bar's own font again
    for (HWND bar : status_bar_table) {
        if (bar != nullptr)
            SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void free_status_bars() {
    for (int number = 0; number <= capacity; ++number) {
        if (status_bar_table[number] != nullptr) {
            DestroyWindow(status_bar_table[number]);
            status_bar_table[number] = nullptr;
        }
    }
    current_status_bar = nullptr;
    field_count = 0;
}

int status_bar_capacity() {
    return capacity;
}
