// The main window as the program builds it: the text pages hold their lines, one a row.
#include "tests/app/app_test_support.h"

#include "app/page_texts.h"
#include "ui/control.h"

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

}  // namespace
