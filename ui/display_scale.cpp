#include "ui/display_scale.h"

#include <windows.h>

namespace {

using dpi_for_window = UINT(WINAPI*)(HWND);

// An entry of user32 by name, as the type given (through void (*)(), which every function
// pointer converts from without a warning); null where this Windows lacks it.
template <typename Entry>
Entry user32_entry(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC address = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(address));
}

int dpi_now = base_dpi;

}  // namespace

int scaled_length(int length, int dpi) {
    return dpi == base_dpi ? length : MulDiv(length, dpi, base_dpi);
}

int unscaled_length(int length, int dpi) {
    return dpi == base_dpi || dpi <= 0 ? length : MulDiv(length, base_dpi, dpi);
}

int system_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : base_dpi;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : base_dpi;
}

int window_dpi(window_handle window) {
    static const auto for_window = user32_entry<dpi_for_window>("GetDpiForWindow");
    const int dpi =
        for_window != nullptr && window != nullptr ? static_cast<int>(for_window(window)) : 0;
    return dpi > 0 ? dpi : system_dpi();
}

int layout_dpi() {
    return dpi_now;
}

void set_layout_dpi(int dpi) {
    dpi_now = dpi > 0 ? dpi : base_dpi;
}

int to_pixels(int length) {
    return scaled_length(length, dpi_now);
}

int to_layout(int pixels) {
    return unscaled_length(pixels, dpi_now);
}
