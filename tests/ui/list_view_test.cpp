// List views: rows and columns as the control shows them, the marks, and the label editor
// opened by F2, a double click or the layer, kept with Enter and cancelled with Esc.
#include "tests/ui/ui_test_support.h"

#include <commctrl.h>

#include "ui/control.h"
#include "ui/list_view.h"

namespace {

constexpr int list = 500;

// The application's rows, as the list asks for them.
std::vector<std::vector<std::string>> cells;
std::vector<bool> marks;

struct test_rows final : list_view_source {
    std::string cell(int row, int column) const override {
        return static_cast<size_t>(column) < cells[row].size() ? cells[row][column] : std::string();
    }
    bool marked(int row) const override { return marks[row]; }
} source;

class list_view_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        open_main_window();
        set_container(current_window());
        handle = create_list_view(list, 5, 5, 280, 150);
        add_list_view_column(list, "Name on phone", 100);
        add_list_view_column(list, "Network", 60);
        cells = {{"MTS", "250-01"}, {"Beeline", "250-99"}, {"Tele2"}};
        marks.assign(3, false);
        limit_list_view_labels(list, 255);
        set_list_view_source(list, &source);
        set_list_view_rows(list, 3);
        SetFocus(handle);
        drain_events();
    }

    std::string shown(int row, int column) {
        char text[300] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(handle, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    HWND editor() { return reinterpret_cast<HWND>(SendMessageA(handle, LVM_GETEDITCONTROL, 0, 0)); }

    void press(HWND window, WPARAM key) {
        PostMessageA(window, WM_KEYDOWN, key, 1);
        PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }

    // Takes events until the editor closes; counts the kept label edits of the list.
    int edits_until_editor_closes() {
        int edits = 0;
        pump_until([&] {
            if (poll_event() == event_control_used && event_control() == list &&
                event_detail() == list_view_label_edited)
                ++edits;
            return editor() == nullptr;
        });
        drain_events(200);
        return edits;
    }

    HWND handle = nullptr;
};

TEST_F(list_view_test, ShowsRowsAndColumnsInAFullRowReportWithMarks) {
    const LONG style = GetWindowLongA(handle, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_EDITLABELS);
    EXPECT_FALSE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_TRUE(SendMessageA(handle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
    HWND headers = reinterpret_cast<HWND>(SendMessageA(handle, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(handle, LVM_GETCOLUMNWIDTH, 1, 0), 60);

    EXPECT_EQ(count_control_items(list), 3);
    EXPECT_EQ(shown(1, 0), "Beeline");
    EXPECT_EQ(shown(1, 1), "250-99");
    EXPECT_EQ(shown(2, 1), "");
    cells[2].push_back("250-20");
    marks[0] = true;
    EXPECT_EQ(shown(2, 1), "250-20");
    EXPECT_EQ(shown(0, 0), "*MTS");
    EXPECT_EQ(get_control_item_text(list, 0), "*MTS");

    set_control_state(list, 2);
    EXPECT_EQ(get_control_state(list), 2);
    clear_control_items(list);
    EXPECT_EQ(SendMessageA(handle, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(get_control_state(list), -1);
}

// The editor opens with the plain name of a marked row, takes 255 bytes, and Enter hands
// the text to the application without changing the cell.
TEST_F(list_view_test, EnterKeepsTheTypedNameAsAnEvent) {
    marks[1] = true;
    edit_list_view_label(list, 1);
    HWND edit = editor();
    ASSERT_NE(edit, nullptr);
    char start[300] = {};
    GetWindowTextA(edit, start, sizeof start);
    EXPECT_STREQ(start, "Beeline");
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    const std::string typed(300, 'x');
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    press(edit, VK_RETURN);

    EXPECT_EQ(edits_until_editor_closes(), 1);
    const auto edits = take_list_view_edits(list);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].row, 1);
    EXPECT_EQ(edits[0].text, std::string(255, 'x'));
    EXPECT_TRUE(take_list_view_edits(list).empty());
    EXPECT_EQ(shown(1, 0), "*Beeline");
}

TEST_F(list_view_test, EscCancelsAndAnEmptyNameIsNoEdit) {
    for (const char* text : {"Other", ""}) {
        edit_list_view_label(list, 0);
        HWND edit = editor();
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text);
        press(edit, *text ? VK_ESCAPE : VK_RETURN);
        EXPECT_EQ(edits_until_editor_closes(), 0) << text;
        EXPECT_TRUE(take_list_view_edits(list).empty());
        EXPECT_EQ(shown(0, 0), "MTS");
    }
}

// F2 opens the editor on the focused row; a double click on the row under the mouse.
TEST_F(list_view_test, F2AndDoubleClickOpenTheEditor) {
    set_control_state(list, 2);
    press(handle, VK_F2);
    ASSERT_TRUE(pump_until([&] { return editor() != nullptr; }));
    char text[300] = {};
    GetWindowTextA(editor(), text, sizeof text);
    EXPECT_STREQ(text, "Tele2");
    press(editor(), VK_ESCAPE);
    edits_until_editor_closes();

    RECT row = {};
    row.left = LVIR_LABEL;
    SendMessageA(handle, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(handle, WM_LBUTTONUP, 0, at);
    PostMessageA(handle, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(handle, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(pump_until([&] { return editor() != nullptr; }));
    GetWindowTextA(editor(), text, sizeof text);
    EXPECT_STREQ(text, "Beeline");
    SetWindowTextA(editor(), "Beeline 2");
    press(editor(), VK_RETURN);
    EXPECT_EQ(edits_until_editor_closes(), 1);
    const auto edits = take_list_view_edits(list);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].row, 1);
    EXPECT_EQ(edits[0].text, "Beeline 2");
}

// An edit ended by a click on a button raises the button's event; the edit waits to be taken.
TEST_F(list_view_test, EditEndedByAClickElsewhereWaits) {
    HWND button = CreateWindowExA(0, "BUTTON", "Write", WS_CHILD | WS_VISIBLE, 200, 160, 60, 15,
                                  current_window(), reinterpret_cast<HMENU>(502), nullptr, nullptr);
    edit_list_view_label(list, 2);
    SetWindowTextA(editor(), "Tele2 new");
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(poll_until_event(event_control_used));
    pump_until([&] { return editor() == nullptr; });
    const auto edits = take_list_view_edits(list);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].row, 2);
    EXPECT_EQ(edits[0].text, "Tele2 new");
}

// Typed letters go to the next row starting with them; Ctrl+A selects every row and Ctrl+C
// asks the application for a copy.
TEST_F(list_view_test, LettersFindRowsAndCtrlKeysSelectAndAskForACopy) {
    set_control_state(list, 0);
    for (char typed : {'b', 'E'})
        PostMessageA(handle, WM_CHAR, typed, 1);
    drain_events(200);
    EXPECT_EQ(get_control_state(list), 1);
    hold_key(VK_CONTROL, true);
    press(handle, 'A');
    press(handle, 'C');
    bool copy_asked = false;
    pump_until([&] {
        copy_asked = poll_event() == event_control_used && event_control() == list &&
                     event_detail() == list_view_copy_asked;
        return copy_asked;
    });
    hold_key(VK_CONTROL, false);
    EXPECT_TRUE(copy_asked);
    EXPECT_EQ(list_view_selected_rows(list), std::vector<int>({0, 1, 2}));
}

}  // namespace
