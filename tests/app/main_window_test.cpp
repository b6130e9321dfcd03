// The main window as the program builds it: the text pages hold their lines, one a row, and the
// window, held undrawn while its controls were made, is visible again and drawn whole.
#include "tests/app/app_test_support.h"

#include "app/main_window.h"
#include "app/page_texts.h"
#include "ui/control.h"
#include "ui/window.h"

namespace {

using main_window_test = app_test;

std::string lines_joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

BOOL CALLBACK note_unpainted(HWND child, LPARAM parameter) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        ++*reinterpret_cast<int*>(parameter);
    return TRUE;
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

// Built afresh (the set-up's window is replaced): visible, nothing focused, nothing left to
// paint as soon as build_main_window returns, before any message is handled.
TEST_F(main_window_test, WindowIsVisibleAndDrawnWholeWhenBuilt) {
    build_main_window(0);
    HWND window = window_of(main_window);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(control(tab_control)));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    int unpainted = 0;
    EnumChildWindows(window, note_unpainted, reinterpret_cast<LPARAM>(&unpainted));
    EXPECT_EQ(unpainted, 0);
}

}  // namespace
