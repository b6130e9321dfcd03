#include "tests/app/program_box_icon.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr DWORD paint_deadline_ms = 2000;
constexpr DWORD poll_ms = 20;
constexpr long most_difference_per_pixel = 12;  // summed over red, green and blue

// Pixels of a width x height area, 32 bits each, top row first.
using pixels = std::vector<uint32_t>;

struct bitmap_dc {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* bits = nullptr;

    bitmap_dc(int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* memory = nullptr;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
        old = SelectObject(dc, bitmap);
        bits = static_cast<uint32_t*>(memory);
    }
    ~bitmap_dc() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    pixels take(int count) const {
        GdiFlush();
        return pixels(bits, bits + count);
    }
};

BOOL CALLBACK match_icon_control(HWND child, LPARAM parameter) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(parameter) = child;
        return FALSE;
    }
    return TRUE;
}

pixels capture_screen(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    bitmap_dc copy(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(copy.dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return copy.take(width * height);
}

// The icon as a static control of the given size draws it: stretched over the control, on
// the background colour.
pixels draw_icon(LPCSTR icon_name, int width, int height, uint32_t background) {
    bitmap_dc drawing(width, height);
    for (int i = 0; i < width * height; ++i)
        drawing.bits[i] = background;
    DrawIconEx(drawing.dc, 0, 0, LoadIconA(nullptr, icon_name), width, height, 0, nullptr,
               DI_NORMAL);
    return drawing.take(width * height);
}

long difference(const pixels& a, const pixels& b) {
    long sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            sum += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                            static_cast<int>((b[i] >> shift) & 0xFF));
    return sum;
}

}  // namespace

int recognise_box_icon(HWND box) {
    HWND icon = nullptr;
    EnumChildWindows(box, match_icon_control, reinterpret_cast<LPARAM>(&icon));
    if (icon == nullptr || !IsWindowVisible(icon))
        return 0;
    RECT area = {};
    GetWindowRect(icon, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return 0;
    const struct {
        int flags;
        LPCSTR name;
    } candidates[] = {{0x10, IDI_HAND}, {0x30, IDI_EXCLAMATION}, {0x40, IDI_ASTERISK}};

    // The box may not have painted yet: look again until one icon matches.
    const DWORD start = GetTickCount();
    do {
        const pixels seen = capture_screen(area);
        for (const auto& candidate : candidates) {
            // The system icons leave their corners transparent: the corner shows the background.
            const pixels drawn = draw_icon(candidate.name, width, height, seen[0]);
            if (difference(seen, drawn) <= most_difference_per_pixel * width * height)
                return candidate.flags;
        }
        Sleep(poll_ms);
    } while (GetTickCount() - start < paint_deadline_ms);
    return 0;
}
