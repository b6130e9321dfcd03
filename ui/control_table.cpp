// The control table: one entry per control number with the control's platform window and
// its kind, grown to the number plus a step when a number beyond its end is stored. Also
// the container for new controls, the stack of containers saved by tab controls, the
// font every control gets, and the open option group.
#include "ui/control_table.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <vector>

#include "ui/control_container.h"
#include "ui/display_scale.h"
#include "ui/window_table.h"
#include "runtime/wide_text.h"

namespace {

// Storage is always held for capacity + 2 entries; only the first capacity are used.
int capacity = 0;
std::vector<control_entry> control_table;
const control_entry spare_entry;

HWND container = nullptr;
std::array<HWND, container_stack_room> container_stack = {};
int container_depth = 0;

HFONT scaled_font = nullptr;  // made for the layout DPI
int scaled_font_dpi = 0;
bool stock_font_at_96 = true;

// The stock font at 96 DPI (unless told otherwise); else the same size of type in the dialog
// face ("MS Shell Dlg": Microsoft Sans Serif on Windows, Tahoma under Wine, both with every
// script), made once per DPI.
HFONT default_font() {
    const int dpi = layout_dpi();
    if (dpi == base_dpi && stock_font_at_96)
        return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    if (scaled_font == nullptr || scaled_font_dpi != dpi) {
        scaled_font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg");
        scaled_font_dpi = dpi;
    }
    return scaled_font;
}
HFONT control_font = nullptr;
bool option_group = false;

}  // namespace

HFONT scaled_font_or_none() {
    return layout_dpi() == base_dpi && stock_font_at_96 ? nullptr : default_font();
}

HFONT font_of_new_controls() {
    return control_font;
}

void keep_stock_font_at_96(bool keep) {
    stock_font_at_96 = keep;
}

void init_control_layer() {
    capacity = initial_control_capacity;
    control_table.assign(capacity + 2, control_entry{});
    container = nullptr;
    container_stack.fill(nullptr);
    container_depth = 0;
    set_layout_dpi(system_dpi());
    control_font = default_font();
    option_group = false;
    InitCommonControls();
}

int control_capacity() {
    return capacity;
}

const control_entry& control_entry_of(int number) {
    if (number < 0 || number >= capacity) {
        return spare_entry;
    }
    return control_table[number];
}

bool store_control(int number, HWND handle, const control_kind* kind) {
    if (number < 0) {
        return false;
    }
    if (number >= capacity) {
        capacity = number + control_capacity_step;
        control_table.resize(capacity + 2);
    }
    control_table[number] = {handle, kind};
    return true;
}

HWND create_child_control(int number, DWORD extended_style, const char* class_name, DWORD style,
                          const std::string& text, int x, int y, int width, int height) {
    return CreateWindowExW(extended_style, wide_text(class_name).data(), wide_text(text).data(),
                           style, to_pixels(x), to_pixels(y), to_pixels(width), to_pixels(height),
                           container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)),
                           program_instance(), nullptr);
}

HWND create_common_control(int number, DWORD extended_style, const char* class_name, DWORD style,
                           const std::string& text, int x, int y, int width, int height,
                           const control_kind* kind) {
    if (number < 0) {
        return nullptr;
    }
    HWND handle =
        create_child_control(number, extended_style, class_name, style, text, x, y, width, height);
    store_control(number, handle, kind);
    if (handle != nullptr) {
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(control_font), TRUE);
    }
    option_group = false;
    return handle;
}

void set_container(window_handle window) {
    container = window;
}

void close_container() {
    if (container_depth > 0) {
        container = container_stack[--container_depth];
    }
}

HWND current_container() {
    return container;
}

void make_container(HWND window) {
    container = window;
}

bool push_container() {
    if (container_depth >= container_stack_room) {
        return false;
    }
    container_stack[container_depth++] = container;
    return true;
}

void refont_controls() {
    HFONT old = scaled_font;
    control_font = default_font();
    for (const control_entry& entry : control_table) {
        if (entry.handle != nullptr)
            SendMessageA(entry.handle, WM_SETFONT, reinterpret_cast<WPARAM>(control_font), TRUE);
    }
    if (old != nullptr && old != scaled_font)
        DeleteObject(old);
}

void set_control_font(std::intptr_t font) {
    control_font = font == -1 ? default_font() : reinterpret_cast<HFONT>(font);
}

bool option_group_open() {
    return option_group;
}

void open_option_group() {
    option_group = true;
}

// Text fields, text boxes, labels and static frames: every operation is the default.
const control_kind plain_kind = {};
