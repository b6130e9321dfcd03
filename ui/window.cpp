// The window table: one record per window number with the platform window, its Tab and
// Shift+Tab accelerators and its class "WindowClass_<number>", registered from one class
// template whose window procedure turns platform messages into the layer's events.
#include "ui/window.h"

#include <algorithm>
#include <vector>

#include "ui/event_state.h"
#include "ui/display_scale.h"
#include "ui/window_icon.h"
#include "ui/window_procedure.h"
#include "ui/window_table.h"
#include "runtime/wide_text.h"

namespace {

struct window_record {
    HWND handle = nullptr;
    int accelerator_count = 0;
    std::vector<ACCEL> accelerators;
    HACCEL accelerator_table = nullptr;
    window_sizing sizing;
};

// Storage is always held for capacity + 2 records; only the first capacity are used.
int capacity = 0;
std::vector<window_record> window_table;
HWND current = nullptr;
WNDCLASSW class_template = {};
HBRUSH background_brush = nullptr;

std::string class_name_of(int number) {
    char name[32];
    // wsprintfA rather than snprintf: the C runtime's full printf costs 24 KB of program size.
    wsprintfA(name, "WindowClass_%ld", static_cast<long>(number));
    return name;
}

window_record* slot_of(int number) {
    if (number < 0 || number >= capacity) {
        return nullptr;
    }
    return &window_table[number];
}

void grow_for(int number) {
    if (number >= capacity) {
        capacity = number + window_capacity_step;
        window_table.resize(capacity + 2);
    }
}

// The style word for the platform and the centring the flags ask for.
enum class centring { none, screen, active_window };

centring take_centring(int& style) {
    style ^= window_flag_hidden;  // the flag means hidden, the style bit means visible
    centring mode = centring::none;
    if (style & window_flag_centre_on_screen) {
        style &= ~window_flag_centre_on_screen;
        mode = centring::screen;
    }
    if (style & window_flag_centre_on_active) {
        style &= ~window_flag_centre_on_active;
        mode = centring::active_window;
    }
    return mode;
}

POINT screen_centred(int outer_width, int outer_height) {
    const int screen_width = GetSystemMetrics(SM_CXSCREEN);
    const int screen_height = GetSystemMetrics(SM_CYSCREEN);
    return {(screen_width >> 1) - (outer_width >> 1), (screen_height >> 1) - (outer_height >> 1)};
}

POINT centred_on_active(int outer_width, int outer_height) {
    HWND active = GetActiveWindow();
    RECT area;
    if (active == nullptr || !GetWindowRect(active, &area)) {
        return screen_centred(outer_width, outer_height);
    }
    POINT place = {area.left - (outer_width >> 1) + ((area.right - area.left) >> 1),
                   area.top - (outer_height >> 1) + ((area.bottom - area.top) >> 1)};
    if (place.x < 0) {
        place.x = 0;
    }
    if (place.y < 0) {
        place.y = 0;
    }
    return place;
}

void make_accelerator_table(window_record& record) {
    if (record.accelerator_table != nullptr) {
        DestroyAcceleratorTable(record.accelerator_table);
    }
    record.accelerator_count = static_cast<int>(record.accelerators.size());
    record.accelerator_table =
        CreateAcceleratorTableW(record.accelerators.data(), record.accelerator_count);
}

void give_accelerators(window_record& record) {
    record.accelerators = {
        {FVIRTKEY | FNOINVERT, VK_TAB, command_focus_next},
        {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, command_focus_previous},
    };
    make_accelerator_table(record);
}

}  // namespace

HINSTANCE program_instance() {
    return GetModuleHandleA(nullptr);
}

void init_window_layer() {
    events = event_state{};
    capacity = initial_window_capacity;
    window_table.assign(capacity + 2, window_record{});
    current = nullptr;
    if (background_brush == nullptr) {
        background_brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    }
    class_template = {};
    class_template.style = 0;
    class_template.lpfnWndProc = window_procedure;
    class_template.hInstance = program_instance();
    class_template.hIcon = nullptr;  // each window gets the icon for its DPI after it painted
    class_template.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    class_template.hbrBackground = background_brush;
    class_template.lpszClassName = page_class_name;
    RegisterClassW(&class_template);
}

window_handle open_window(int number, int x, int y, int width, int height, int flags,
                          const std::string& title) {
    if (number < 0) {
        return nullptr;
    }
    grow_for(number);
    close_window(number);

    const std::vector<wchar_t> class_name = wide_text(class_name_of(number));
    WNDCLASSW window_class = class_template;
    window_class.lpszClassName = class_name.data();
    RegisterClassW(&window_class);

    int style = flags;
    const centring mode = take_centring(style);
    RECT outer = {x, y, x + to_pixels(width), y + to_pixels(height)};
    AdjustWindowRect(&outer, static_cast<DWORD>(style), FALSE);
    const int outer_width = outer.right - outer.left;
    const int outer_height = outer.bottom - outer.top;
    POINT place = {x, y};
    if (mode == centring::screen) {
        place = screen_centred(outer_width, outer_height);
    } else if (mode == centring::active_window) {
        place = centred_on_active(outer_width, outer_height);
    }

    HWND handle = CreateWindowExW(0, class_name.data(), wide_text(title).data(),
                                  static_cast<DWORD>(style), place.x, place.y, outer_width,
                                  outer_height, nullptr, nullptr, program_instance(), nullptr);
    window_record& record = window_table[number];
    record.handle = handle;
    record.sizing = {};
    if (handle == nullptr) {
        return nullptr;
    }
    current = handle;
    set_window_icons_after_paint(handle);
    give_accelerators(record);
    return handle;
}

void close_window(int number) {
    window_record* record = slot_of(number);
    if (record == nullptr || record->handle == nullptr) {
        return;
    }
    HWND handle = record->handle;
    record->handle = nullptr;
    DestroyWindow(handle);
    UnregisterClassW(wide_text(class_name_of(number)).data(), program_instance());
    if (record->accelerator_count != 0) {
        record->accelerators.clear();
        DestroyAcceleratorTable(record->accelerator_table);
        record->accelerator_table = nullptr;
    }
}

void close_all_windows() {
    for (int number = capacity - 1; number >= 0; --number) {
        close_window(number);
    }
}

window_handle current_window() {
    return current;
}

void make_current_window(HWND window) {
    current = window;
}

window_handle window_of(int number) {
    window_record* record = slot_of(number);
    return record == nullptr ? nullptr : record->handle;
}

int window_number_of(window_handle window) {
    if (window == nullptr) {
        return -1;
    }
    for (int number = 0; number < capacity; ++number) {
        if (window_table[number].handle == window) {
            return number;
        }
    }
    return -1;
}

HACCEL accelerator_table_of(HWND window) {
    const int number = window_number_of(window);
    return number < 0 ? nullptr : window_table[number].accelerator_table;
}

window_sizing sizing_of(HWND window) {
    const int number = window_number_of(window);
    return number < 0 ? window_sizing{} : window_table[number].sizing;
}

void set_smallest_size(HWND window, int min_width, int min_height) {
    const int number = window_number_of(window);
    if (number >= 0) {
        window_table[number].sizing.min_width = min_width;
        window_table[number].sizing.min_height = min_height;
    }
}

void let_window_grow(int number, int min_width, int min_height, window_layout lay_out) {
    window_record* record = slot_of(number);
    if (record == nullptr)
        return;
    record->sizing = {min_width, min_height, lay_out};
    RECT client = {};
    HWND window = record->handle;
    if (window == nullptr || IsZoomed(window) || !GetClientRect(window, &client))
        return;
    const int more_width = std::max(0, to_pixels(min_width) - static_cast<int>(client.right));
    const int more_height = std::max(0, to_pixels(min_height) - static_cast<int>(client.bottom));
    if (more_width == 0 && more_height == 0)
        return;
    RECT outer = {};
    GetWindowRect(window, &outer);  // grown about its centre
    SetWindowPos(window, nullptr, outer.left - more_width / 2, outer.top - more_height / 2,
                 outer.right - outer.left + more_width, outer.bottom - outer.top + more_height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void set_system_menu_choices(int number, const std::string& title,
                             const std::vector<menu_choice>& choices, int checked_command) {
    HWND window = window_of(number);
    if (window == nullptr)
        return;
    GetSystemMenu(window, TRUE);  // the system's own again, without an earlier submenu
    HMENU menu = GetSystemMenu(window, FALSE);
    HMENU submenu = CreatePopupMenu();
    for (const menu_choice& choice : choices) {
        const UINT checked = choice.command == checked_command ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuW(submenu, MF_STRING | checked, static_cast<UINT_PTR>(choice.command),
                    wide_text(choice.text).data());
        if (checked == MF_CHECKED) {
            MENUITEMINFOW item = {};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE;
            item.fType = MFT_RADIOCHECK;
            SetMenuItemInfoW(submenu, static_cast<UINT>(choice.command), FALSE, &item);
        }
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), wide_text(title).data());
}

void add_ctrl_key_command(int number, char letter, int command) {
    window_record* record = slot_of(number);
    if (record == nullptr || record->handle == nullptr) {
        return;
    }
    record->accelerators.push_back({static_cast<BYTE>(FVIRTKEY | FNOINVERT | FCONTROL),
                                    static_cast<WORD>(letter), static_cast<WORD>(command)});
    make_accelerator_table(*record);
}

int window_capacity() {
    return capacity;
}

bool bring_other_copy_to_front(int number, const std::string& title) {
    HWND window = FindWindowW(wide_text(class_name_of(number)).data(), wide_text(title).data());
    if (window == nullptr) {
        return false;
    }
    // Asynchronous: the other copy may be busy with the phone and answer only at its next poll.
    if (IsIconic(window)) {
        ShowWindowAsync(window, SW_RESTORE);
    }
    SetForegroundWindow(GetLastActivePopup(window));
    return true;
}

void paint_window_now(int number) {
    if (HWND window = window_of(number)) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}
