// The main window as the program builds it: the text pages hold their lines, one a row.
#include "tests/app/app_test_support.h"

#include <commctrl.h>

#include <cstdlib>

#include "app/language_choice.h"
#include "app/main_window.h"
#include "runtime/wide_text.h"
#include "texts/program_texts.h"
#include "app/page_texts.h"
#include "ui/control.h"
#include "app/window_place_file.h"
#include "app/networks_page.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"
#include "tests/ui/ui_test_support.h"
#include "ui/ui_layer.h"
#include "ui/window.h"
#include "ui/window_geometry.h"

namespace {

using main_window_test = app_test;

std::string lines_joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

TEST_F(main_window_test, TextPagesHoldTheirLinesOneARow) {
    const struct {
        const char* name;
        int box;
        const std::vector<std::string>& lines;
    } pages[] = {
        {"Help-n-About", about_box, about_page_lines()},
        {"License", license_box, license_page_lines()},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        EXPECT_EQ(get_control_text(page.box), lines_joined(page.lines));
        EXPECT_EQ(SendMessageA(control(page.box), EM_GETLINECOUNT, 0, 0),
                  static_cast<LRESULT>(page.lines.size()));
    }
}

// A start builds the Main page (its track bar gives the wait kept at the end) and the page it
// opens on; the other pages wait until they are first shown.
TEST_F(main_window_test, StartBuildsOnlyTheMainPageAndThePageShown) {
    release_ui_layer();
    init_ui_layer();
    build_main_window(7);
    EXPECT_EQ(get_control_state(wait_track_bar), 7);
    EXPECT_EQ(control(about_box) != nullptr, get_control_state(tab_control) == 1);
    EXPECT_EQ(control(license_box), nullptr);
    EXPECT_EQ(control(network_list), nullptr);
    set_control_state(tab_control, 2);
    EXPECT_EQ(get_control_text(license_box), lines_joined(license_page_lines()));
}

// The window opens at its smallest size and grows (maximised too): the tab control, the status
// bar, the text boxes and the Networks list take the room, the Main page stays as it is, the
// shown Networks page paints one background beside its find row and where it grew, and the
// status bar still shows its text.
TEST_F(main_window_test, ControlsFollowTheWindowsSize) {
    const struct {
        int asked_width, asked_height;  // 0: maximised
        int width, height;
    } sizes[] = {{290, 180, 290, 180}, {200, 100, 290, 180}, {640, 480, 640, 480}, {0, 0, 0, 0}};
    HWND window = window_of(main_window);
    set_control_state(tab_control, 3);
    for (const auto& size : sizes) {
        ShowWindow(window, size.asked_width == 0 ? SW_MAXIMIZE : SW_RESTORE);
        if (size.asked_width != 0)
            resize_current_window(size.asked_width, size.asked_height);
        RECT client = {};
        GetClientRect(window, &client);
        const int width = size.width ? size.width : static_cast<int>(client.right);
        const int height = size.height ? size.height : static_cast<int>(client.bottom);
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        EXPECT_EQ(client.right, width);
        EXPECT_EQ(client.bottom, height);
        const RECT expected[] = {
            {0, 0, width, height - 16},                    // tab control
            {10, 10, width - 10, height - 46},             // about box
            {10, 10, width - 10, height - 46},             // license box
            {10, 32, width - 10, height - 16 - 56},        // network list
            {10, height - 16 - 50, 73, height - 16 - 30},  // Read
            {10, 10, 90, 30},                              // Connect
        };
        const int numbers[] = {tab_control,  about_box,   license_box,
                               network_list, read_button, connect_button};
        for (size_t i = 0; i < std::size(numbers); ++i) {
            const RECT placed = rect_in_parent(control(numbers[i]));
            EXPECT_TRUE(EqualRect(&placed, &expected[i]))
                << numbers[i] << ": " << placed.left << "," << placed.top << "," << placed.right
                << "," << placed.bottom;
        }
        const RECT bar = rect_in_parent(FindWindowExA(window, nullptr, STATUSCLASSNAMEA, nullptr));
        EXPECT_EQ(bar.right, width);
        EXPECT_EQ(bar.bottom, height);
        HWND page = GetParent(control(find_label));
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);  // what is due
        RECT area = {};
        GetClientRect(page, &area);
        HDC dc = GetDC(page);
        EXPECT_EQ(GetPixel(dc, 4, 30), GetPixel(dc, area.right - 4, 30));  // between find and list
        ReleaseDC(page, dc);
        HWND status = FindWindowExA(window, nullptr, STATUSCLASSNAMEA, nullptr);
        dc = GetDC(status);
        int text_pixels = 0;  // of "Press ''connect''", in black
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 16; ++y)
                text_pixels += GetPixel(dc, x, y) == RGB(0, 0, 0);
        ReleaseDC(status, dc);
        EXPECT_GT(text_pixels, 20);
    }
}

// The window in each language sent to screens of 120, 144 and 192 DPI and back to 96: every
// text shows whole in the font its control really has (captions, labels, tabs, the list's
// headers, the statuses), no two controls of a page overlap, the controls' font is 8 points at
// that DPI (the status bar's too; in English at 96 both keep the stock ones), and the list keeps
// its rows and selection. In English at 96 DPI every rectangle is the one the window opened with.
TEST_F(main_window_test, LayoutFitsItsTextsAtEveryDpiInEveryLanguage) {
    HWND window = window_of(main_window);
    for (int page = 3; page >= 0; --page)
        set_control_state(tab_control, page);  // every page built
    load_networks(network_page().model(), {{"KEY1", "One"}, {"KEY2", "Two"}, {"KEY3", "Three"}});
    set_control_state(network_list, 1);
    std::vector<std::pair<int, RECT>> at_96;  // every control of the window
    for (int number = 0; number < 600; ++number)
        if (control(number) != nullptr)
            at_96.push_back({number, rect_in_parent(control(number))});
    const auto icon_size = [window](WPARAM which) {
        ICONINFO parts = {};
        BITMAP image = {};
        HICON icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
        if (icon != nullptr && GetIconInfo(icon, &parts)) {
            GetObjectA(parts.hbmColor, sizeof image, &image);
            DeleteObject(parts.hbmColor);
            DeleteObject(parts.hbmMask);
        }
        return image.bmWidth;
    };
    const auto width_in = [](HWND control, const std::string& text) {
        HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        const std::vector<wchar_t> wide = wide_text(text);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()) - 1, &extent);
        ReleaseDC(control, dc);
        return extent.cx;
    };
    const auto width_of = [](const RECT& area) { return area.right - area.left; };
    const auto height_of = [](const RECT& area) { return area.bottom - area.top; };
    HWND bar = FindWindowExA(window, nullptr, STATUSCLASSNAMEA, nullptr);
    HFONT bar_font_at_96 = reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0));
    const LONG bar_height_at_96 = height_of(rect_in_parent(bar));
    for (const char* language : {"en", "ru"}) {
        choose_language(language);
        retext_main_window(0);
        for (int dpi : {120, 144, 192, 96}) {
            SCOPED_TRACE(std::string(language) + " at " + std::to_string(dpi));
            RECT suggested = {0, 0, MulDiv(290, dpi, 96), MulDiv(180, dpi, 96)};
            AdjustWindowRect(&suggested, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                             FALSE);
            SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            EXPECT_EQ(icon_size(ICON_SMALL), MulDiv(16, dpi, 96));
            EXPECT_EQ(icon_size(ICON_BIG), MulDiv(32, dpi, 96));
            const bool as_opened = dpi == 96 && std::string(language) == "en";
            for (const auto& [number, was] : at_96) {
                HWND each = control(number);
                const RECT placed = rect_in_parent(each);
                if (as_opened) {
                    EXPECT_TRUE(EqualRect(&placed, &was)) << number;
                }
                HFONT font = reinterpret_cast<HFONT>(SendMessageA(each, WM_GETFONT, 0, 0));
                LOGFONTA shape = {};
                GetObjectA(font, sizeof shape, &shape);
                EXPECT_TRUE(font == nullptr || dpi == 96 || shape.lfHeight == -MulDiv(8, dpi, 72))
                    << number;  // track and progress bars take none
                const std::string text = get_control_text(number);
                if (number != about_box && number != license_box && number != network_list) {
                    EXPECT_LE(width_in(each, text), width_of(placed)) << text;
                }
                for (const auto& [other, unused] : at_96) {
                    RECT common = {};  // a pixel's rounding aside
                    const RECT there = rect_in_parent(control(other));
                    EXPECT_TRUE(other == number || GetParent(control(other)) != GetParent(each) ||
                                !IntersectRect(&common, &placed, &there) || width_of(common) <= 1 ||
                                height_of(common) <= 1)
                        << number << " and " << other;
                }
            }
            HWND headers = ListView_GetHeader(control(network_list));
            for (int column = 0; column < network_column_count; ++column)
                EXPECT_LE(width_in(headers, network_column_header(column)) + 12,
                          ListView_GetColumnWidth(control(network_list), column))
                    << network_column_header(column);
            RECT last_tab = {};
            TabCtrl_GetItemRect(control(tab_control), 3, &last_tab);
            EXPECT_LE(last_tab.right, width_of(rect_in_parent(control(tab_control))));
            for (text_id status : {text_id::patched_status, text_id::write_back_status})
                EXPECT_LE(width_in(bar, text_of(status)) + 8, width_of(rect_in_parent(bar)));
            // The status bar's type scales too, and the bar is tall enough for it.
            HFONT bar_font = reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0));
            LOGFONTA bar_shape = {};
            GetObjectA(bar_font, sizeof bar_shape, &bar_shape);
            EXPECT_TRUE(as_opened ? bar_font == bar_font_at_96
                                  : bar_shape.lfHeight == -MulDiv(8, dpi, 72));
            const LONG bar_height = height_of(rect_in_parent(bar));
            EXPECT_TRUE(as_opened ? bar_height == bar_height_at_96
                                  : bar_height >= std::abs(bar_shape.lfHeight) + 4);
        }
    }
    EXPECT_EQ(count_control_items(network_list), 3);
    EXPECT_EQ(get_control_state(network_list), 1);
}

// Window.ini: closed grown, with a column widened, and maximised, the window opens so; a place
// off every screen opens centred at the kept size; a damaged file, or none, opens as always.
TEST_F(main_window_test, OpensAsItWasLeft) {
    const std::string file = path_beside_program("Window.ini");
    const auto start = [] {
        release_ui_layer();
        init_ui_layer();
        build_main_window(0);
        place_main_window();
        WINDOWPLACEMENT shown = {};
        shown.length = sizeof shown;
        GetWindowPlacement(window_of(main_window), &shown);
        return shown.rcNormalPosition;
    };
    remove_file(file);
    const RECT as_always = start();
    set_control_state(tab_control, 3);
    SendMessageA(control(network_list), LVM_SETCOLUMNWIDTH, 2, 150);
    SetWindowPos(window_of(main_window), nullptr, 30, 40, 500, 400, SWP_NOZORDER);
    ShowWindow(window_of(main_window), SW_MAXIMIZE);
    keep_main_window_place();
    const RECT grown = start(), kept = {30, 40, 530, 440};
    EXPECT_TRUE(EqualRect(&grown, &kept));
    EXPECT_TRUE(IsZoomed(window_of(main_window)));
    set_control_state(tab_control, 3);
    EXPECT_EQ(SendMessageA(control(network_list), LVM_GETCOLUMNWIDTH, 2, 0), 150);

    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    write_file(file,
               "x=5000\ny=5000\nwidth=400\nheight=300\nmaximized=0\ncolumns=90,60,110,90,72,0");
    const RECT centred = start();
    EXPECT_EQ(centred.left, (work.left + work.right - 400) / 2);
    EXPECT_EQ(centred.bottom - centred.top, 300);
    // Read whole or not at all: a line out of order, missing or added, a value out of range.
    const auto text = [](const std::string& x, const std::string& width,
                         const std::string& maximized, const std::string& columns) {
        return "x=" + x + "\r\ny=2\r\nwidth=" + width + "\r\nheight=300\r\nmaximized=" + maximized +
               "\r\ncolumns=" + columns + "\r\n";
    };
    const std::string columns = "90,60,110,90,72,44";
    write_file(file, text("1", "400", "0", columns));
    EXPECT_EQ(start().left, 1);  // the whole text, read
    for (const std::string& damaged :
         {std::string("x=1\r\n"), std::string(), "y=2\r\n" + text("1", "400", "0", columns),
          text("1", "-4", "0", columns), text("1", "0", "0", columns),
          text("40000", "400", "0", columns), text("0000001", "400", "0", columns),
          text("1", "400", "2", columns), text("1", "400", "0", "1,2,3,4,5"),
          text("1", "400", "0", "1,2,3,4,5,4001"), text("1", "400", "0", columns + ",7"),
          text("1", "400", "0", columns) + "more"}) {
        write_file(file, damaged);
        const RECT opened = start();
        EXPECT_TRUE(EqualRect(&opened, &as_always)) << damaged;
    }
    remove_file(file);
}

}  // namespace
