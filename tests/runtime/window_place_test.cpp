// Window.ini's text: read whole or not at all, and written so that it reads back.
#include "runtime/window_place.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlace, AWholeTextIsReadAndAnythingElseRefused) {
    const std::string good = "x=-8\r\ny=20\r\nwidth=800\r\nheight=600\r\nmaximized=1\r\n"
                             "columns=90,60,110,90,72,44\r\n";
    const struct {
        std::string text;
        bool read;
    } cases[] = {
        {good, true},
        {"x=-8\ny=20\nwidth=800\nheight=600\nmaximized=1\ncolumns=90,60,110,90,72,0", true},
        {"", false},
        {"y=20\r\nx=-8\r\n" + good.substr(good.find("width")), false},  // out of order
        {good.substr(0, good.find("columns")), false},                // a line missing
        {"x=-8\r\ny=20\r\nwidth=0\r\nheight=600\r\nmaximized=1\r\ncolumns=1,2,3,4,5,6", false},
        {"x=40000\r\ny=20\r\nwidth=8\r\nheight=6\r\nmaximized=0\r\ncolumns=1,2,3,4,5,6", false},
        {"x=1\r\ny=2\r\nwidth=8\r\nheight=6\r\nmaximized=2\r\ncolumns=1,2,3,4,5,6", false},
        {"x=1\r\ny=2\r\nwidth=8\r\nheight=6\r\nmaximized=0\r\ncolumns=1,2,3,4,5", false},
        {"x=1\r\ny=2\r\nwidth=8\r\nheight=6\r\nmaximized=0\r\ncolumns=1,2,3,4,5,4001", false},
        {"x=1\r\ny=2\r\nwidth=8\r\nheight=6\r\nmaximized=0\r\ncolumns=1,2,3,4,5,6,7", false},
        {good + "more", false},
        {"x=0000001\r\ny=2\r\nwidth=8\r\nheight=6\r\nmaximized=0\r\ncolumns=1,2,3,4,5,6", false},
    };
    for (const auto& c : cases) {
        window_place place = {};
        EXPECT_EQ(parse_window_place(c.text, place), c.read) << c.text;
    }
    window_place place = {};
    ASSERT_TRUE(parse_window_place(good, place));
    EXPECT_EQ(place.x, -8);
    EXPECT_EQ(place.columns[2], 110);
    EXPECT_EQ(format_window_place(place), good);
}

}  // namespace
