// Operations on existing controls by number: each looks the number up and calls the
// operation of the control's kind, or the default when the kind has none. A number
// without a control (never created, negative, beyond the table, or refused by the
// platform) has no window, and nothing is done for it.
#include "ui/control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ui/control_table.h"
#include "ui/display_scale.h"
#include "ui/tab_pages.h"
#include "runtime/wide_text.h"

namespace {

// The control's entry when it has a window and a kind, else 0.
const control_entry* existing(int number) {
    const control_entry& entry = control_entry_of(number);
    return entry.handle != nullptr && entry.kind != nullptr ? &entry : nullptr;
}

void append_window_text(HWND window, std::string& text) {
    const int length = std::min(GetWindowTextLengthW(window), control_text_limit);
    if (length <= 0) {
        return;
    }
    std::vector<wchar_t> part(static_cast<size_t>(length) + 1, L'\0');
    text += utf8_text(part.data(), std::max(0, GetWindowTextW(window, part.data(), length + 1)));
}

RECT rect_in_parent(HWND window) {
    RECT area = {};
    GetWindowRect(window, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

}  // namespace

void add_control_item(int number, int position, const std::string& text) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->add_item != nullptr) {
        entry->kind->add_item(entry->handle, position, text);
    }
}

int get_control_state(int number) {
    const control_entry* entry = existing(number);
    if (entry == nullptr || entry->kind->get_state == nullptr) {
        return 0;
    }
    return entry->kind->get_state(entry->handle);
}

void set_control_state(int number, int value) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->set_state != nullptr) {
        entry->kind->set_state(entry->handle, value);
    }
}

std::string get_control_text(int number) {
    std::string text;
    const control_entry* entry = existing(number);
    if (entry == nullptr) {
        return text;
    }
    if (entry->kind->get_text != nullptr) {
        entry->kind->get_text(entry->handle, text);
    } else {
        append_window_text(entry->handle, text);
    }
    return text;
}

void set_control_text(int number, const std::string& text) {
    const control_entry* entry = existing(number);
    if (entry == nullptr) {
        return;
    }
    if (entry->kind->set_text != nullptr) {
        entry->kind->set_text(entry->handle, text);
    } else {
        SetWindowTextW(entry->handle, wide_text(text).data());
    }
}

void focus_control(int number) {
    const control_entry* entry = existing(number);
    SetFocus(entry != nullptr ? entry->handle : nullptr);
}

void destroy_control(int number) {
    const control_entry* entry = existing(number);
    if (entry == nullptr) {
        return;
    }
    const control_kind* kind = entry->kind;
    HWND handle = entry->handle;
    store_control(number, nullptr, kind);  // the handle is cleared first
    if (kind->destroy != nullptr) {
        kind->destroy(handle);
    } else {
        DestroyWindow(handle);
    }
}

void disable_control(int number, int disable) {
    if (const control_entry* entry = existing(number)) {
        EnableWindow(entry->handle, disable == 0);
    }
}

void hide_control(int number, int hide) {
    if (const control_entry* entry = existing(number)) {
        ShowWindow(entry->handle, hide != 0 ? SW_HIDE : SW_SHOW);
    }
}

window_handle control_handle(int number) {
    return control_entry_of(number).handle;
}

int control_width(int number) {
    const control_entry* entry = existing(number);
    const RECT area = entry != nullptr ? rect_in_parent(entry->handle) : RECT{};
    return to_layout(area.right - area.left);
}

int control_height(int number) {
    const control_entry* entry = existing(number);
    const RECT area = entry != nullptr ? rect_in_parent(entry->handle) : RECT{};
    return to_layout(area.bottom - area.top);
}

int control_left(int number) {
    const control_entry* entry = existing(number);
    return entry != nullptr ? to_layout(rect_in_parent(entry->handle).left) : 0;
}

int control_top(int number) {
    const control_entry* entry = existing(number);
    return entry != nullptr ? to_layout(rect_in_parent(entry->handle).top) : 0;
}

void move_control(int number, int x, int y, int width, int height) {
    const control_entry* entry = existing(number);
    if (entry == nullptr) {
        return;
    }
    const RECT area = rect_in_parent(entry->handle);
    MoveWindow(entry->handle, x == -1 ? area.left : to_pixels(x), y == -1 ? area.top : to_pixels(y),
               width == -1 ? area.right - area.left : to_pixels(width),
               height == -1 ? area.bottom - area.top : to_pixels(height), TRUE);
    char class_name[8] = {};
    GetClassNameA(entry->handle, class_name, sizeof class_name);
    if (std::strncmp(class_name, "Butt", 4) == 0) {
        InvalidateRect(entry->handle, nullptr, TRUE);
        UpdateWindow(entry->handle);
    }
    if (entry->kind == &tab_kind && entry->kind->count_items(entry->handle) > 0) {
        lay_out_pages(entry->handle);
    }
}

void add_control_item_ex(int number, int position, const std::string& text, int value) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->add_item_ex != nullptr) {
        entry->kind->add_item_ex(entry->handle, position, text, value);
    }
}

void remove_control_item(int number, int index) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->remove_item != nullptr) {
        entry->kind->remove_item(entry->handle, index);
    }
}

void clear_control_items(int number) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->clear_items != nullptr) {
        entry->kind->clear_items(entry->handle);
    }
}

int count_control_items(int number) {
    const control_entry* entry = existing(number);
    if (entry == nullptr || entry->kind->count_items == nullptr) {
        return 0;
    }
    return entry->kind->count_items(entry->handle);
}

int get_control_item_state(int number, int index) {
    const control_entry* entry = existing(number);
    if (entry == nullptr || entry->kind->get_item_state == nullptr) {
        return 0;
    }
    return entry->kind->get_item_state(entry->handle, index);
}

void set_control_item_state(int number, int index, int value) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->set_item_state != nullptr) {
        entry->kind->set_item_state(entry->handle, index, value);
    }
}

std::string get_control_item_text(int number, int index) {
    std::string text;
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->get_item_text != nullptr) {
        entry->kind->get_item_text(entry->handle, index, text);
    }
    return text;
}

void set_control_item_text(int number, int index, const std::string& text, int value) {
    const control_entry* entry = existing(number);
    if (entry != nullptr && entry->kind->set_item_text != nullptr) {
        entry->kind->set_item_text(entry->handle, index, text, value);
    }
}

void rescale_controls(int old_dpi, int new_dpi) {
    // Through 96-DPI units, which give back the lengths the application laid out: no rounding
    // piles up from one screen to the next.
    const auto scale = [old_dpi, new_dpi](LONG length) {
        return scaled_length(unscaled_length(static_cast<int>(length), old_dpi), new_dpi);
    };
    for (int number = 0; number < control_capacity(); ++number) {
        HWND handle = control_entry_of(number).handle;
        if (handle == nullptr)
            continue;
        const RECT area = rect_in_parent(handle);
        MoveWindow(handle, scale(area.left), scale(area.top), scale(area.right - area.left),
                   scale(area.bottom - area.top), TRUE);
        HWND headers = reinterpret_cast<HWND>(SendMessageA(handle, LVM_GETHEADER, 0, 0));
        const int columns = headers != nullptr
                                ? static_cast<int>(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0))
                                : 0;
        for (int column = 0; column < columns; ++column)
            SendMessageA(handle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                         scale(static_cast<LONG>(SendMessageA(handle, LVM_GETCOLUMNWIDTH,
                                                              static_cast<WPARAM>(column), 0))));
    }
}
