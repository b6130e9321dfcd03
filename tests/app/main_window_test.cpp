// The main window as the program builds it: the text pages hold their lines, one a row.
#include "tests/app/app_test_support.h"

#include "app/main_window.h"
#include "app/page_texts.h"
#include "ui/control.h"
#include "ui/ui_layer.h"

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

}  // namespace
