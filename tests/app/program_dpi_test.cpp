// The built program started on a screen of 144 DPI (run in a Wine prefix of that DPI by
// scripts/wine-dpi-test): the window opens with the client size of that DPI, the tab control and
// the Main page's controls at their 96-DPI places times 1.5 (the captions in the font of the DPI
// are checked in main_window_test; the name's label is as wide as its text needs there).
#include <gtest/gtest.h>

#include "procedures/window_numbers.h"
#include "tests/app/program_process.h"

namespace {

struct control_place {
    int number;
    int x, y, width, height;  // at 96 DPI
};
const control_place places[] = {
    {tab_control, 0, 0, 290, 164},     {connect_button, 10, 10, 80, 20},
    {patch_button, 100, 10, 80, 20},   {restart_button, 190, 10, 80, 20},
    {name_field, 100, 40, 120, 20},    {wait_label, 10, 69, 270, 15},
    {wait_track_bar, 10, 84, 270, 20}, {step_bar, 10, 105, 270, 12},
    {overall_bar, 10, 120, 270, 12}};

TEST(program_dpi_test, WindowIsLaidOutForTheScreensDpi) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 144) << "not run in the prefix of 144 DPI";
    const std::string folder = make_scratch_folder();
    ASSERT_TRUE(copy_beside_tests(program_file, folder));
    ASSERT_TRUE(copy_beside_tests(library_file, folder));
    ASSERT_TRUE(put_file(folder + "Sett.ings", "1\r\n99\r\n"));  // past the start notice
    int checked = 0;
    const program_run run = run_program_in(folder, folder, [&](HWND window) {
        const auto at_dpi = [dpi](int length) { return MulDiv(length, dpi, 96); };
        RECT client = {};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, at_dpi(290));
        EXPECT_EQ(client.bottom, at_dpi(180));
        for (const control_place& each : places) {
            HWND control = find_control(window, each.number);
            if (control == nullptr)
                continue;  // a page not shown yet
            ++checked;
            RECT at = {};
            GetWindowRect(control, &at);
            MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&at), 2);
            const RECT want = {at_dpi(each.x), at_dpi(each.y), at_dpi(each.x) + at_dpi(each.width),
                               at_dpi(each.y) + at_dpi(each.height)};
            EXPECT_TRUE(EqualRect(&at, &want)) << each.number;
        }
    });
    remove_folder(folder);
    EXPECT_TRUE(run.main_window_seen);
    EXPECT_EQ(checked, 9);  // the tab control and the Main page
}

}  // namespace
