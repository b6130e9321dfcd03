// Tab controls and pages: page geometry from the measured row of tabs, the container
// switching, selecting items, captions, removing items and the container stack.
#include "tests/ui/ui_test_support.h"

#include <commctrl.h>

#include "ui/control.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/tab_control.h"
#include "ui/tab_pages.h"

namespace {

class tab_control_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        window = open_main_window();
        set_container(current_window());
        tab = create_tab_control(1, 0, 0, 290, 164);
    }

    // The three pages of the main window, each with one control on it.
    void add_three_pages() {
        add_control_item(1, -1, "Main");
        create_button(100, 10, 10, 80, 20, "Connect");
        add_control_item(1, -1, "Help-n-About");
        create_label(200, 10, 10, 270, 124, "about");
        add_control_item(1, -1, "License");
        create_label(400, 10, 10, 270, 124, "license");
    }

    HWND page(int index) {
        TCITEMA item = {};
        item.mask = TCIF_PARAM;
        SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
        return reinterpret_cast<HWND>(item.lParam);
    }

    std::string caption(int index) {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
        return item.pszText;
    }

    int header() {
        RECT item = {};
        SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        return item.bottom;
    }

    HWND window = nullptr;
    HWND tab = nullptr;
};

TEST_F(tab_control_test, CreatedWithItsStyleAndNoItems) {
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(class_name_of(tab), "SysTabControl32");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(tab, GWL_STYLE)) & 0xFFFF0000u, 0x54030000u);
    EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 0);  // the measuring item is gone
    EXPECT_GT(tab_header_height(), 0);
}

TEST_F(tab_control_test, PagesStandBelowTheRowOfTabsWithTheStatedSize) {
    add_three_pages();
    ASSERT_EQ(header(), tab_header_height());
    RECT client;
    GetClientRect(tab, &client);
    ASSERT_EQ(client.right, 290);
    ASSERT_EQ(client.bottom, 164);
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        HWND p = page(index);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(GetParent(p), tab);
        EXPECT_EQ(class_name_of(p), "TemplateClass");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(p, GWL_EXSTYLE)) & WS_EX_TRANSPARENT,
                  static_cast<DWORD>(WS_EX_TRANSPARENT));
        const RECT area = rect_in_parent(p);
        EXPECT_EQ(area.left, 2);
        EXPECT_EQ(area.top, header() + 2);
        EXPECT_EQ(area.right - area.left, 290 - 5);
        EXPECT_EQ(area.bottom - area.top, 164 - header() - 5);
    }
}

TEST_F(tab_control_test, MovingTheTabControlResizesItsPages) {
    add_three_pages();
    move_control(1, 5, 5, 250, 150);
    for (int index = 0; index < 3; ++index) {
        const RECT area = rect_in_parent(page(index));
        EXPECT_EQ(area.left, 2);
        EXPECT_EQ(area.right - area.left, 250 - 4);
        EXPECT_EQ(area.bottom - area.top, 150 - header() - 4);
    }
}

TEST_F(tab_control_test, EachPageBecomesTheContainerOfTheControlsThatFollow) {
    add_three_pages();
    EXPECT_EQ(GetParent(control_handle(100)), page(0));
    EXPECT_EQ(GetParent(control_handle(200)), page(1));
    EXPECT_EQ(GetParent(control_handle(400)), page(2));
    EXPECT_EQ(GetParent(tab), window);

    close_container();
    create_button(7, 0, 0, 10, 10, "back in the window");
    EXPECT_EQ(GetParent(control_handle(7)), window);
    close_container();  // nothing more saved: the container stays
    create_button(8, 0, 0, 10, 10, "still in the window");
    EXPECT_EQ(GetParent(control_handle(8)), window);
}

TEST_F(tab_control_test, FirstPageIsShownAtOnceTheOthersStayHidden) {
    add_three_pages();
    EXPECT_TRUE(IsWindowVisible(page(0)));
    EXPECT_FALSE(IsWindowVisible(page(1)));
    EXPECT_FALSE(IsWindowVisible(page(2)));
    EXPECT_EQ(GetWindow(tab, GW_CHILD), page(0));
    EXPECT_EQ(get_control_state(1), 0);
}

int pages_built = 0;
void build_counted_page() {
    create_label(300 + pages_built++, 10, 10, 100, 20, "built");
}

// A page built when shown gets its controls once, on that page, when first selected; the one
// shown already at once. The container stays the page added last.
TEST_F(tab_control_test, PageBuiltWhenShownGetsItsControlsOnFirstShowingOnly) {
    add_three_pages();
    pages_built = 0;
    build_page_when_shown(1, 0, build_counted_page);
    EXPECT_EQ(GetParent(control_handle(300)), page(0));
    build_page_when_shown(1, 1, build_counted_page);
    EXPECT_EQ(pages_built, 1);
    set_control_state(1, 1);
    EXPECT_EQ(pages_built, 2);
    EXPECT_EQ(GetParent(control_handle(301)), page(1));
    EXPECT_TRUE(IsWindowVisible(control_handle(301)));
    set_control_state(1, 0);
    set_control_state(1, 1);
    EXPECT_EQ(pages_built, 2);
    create_button(7, 0, 0, 10, 10, "on the last page");
    EXPECT_EQ(GetParent(control_handle(7)), page(2));
}

TEST_F(tab_control_test, ItemsFollowTheOrderOfAddingWhateverThePosition) {
    add_control_item(1, -1, "first");
    add_control_item(1, 5, "second");
    add_control_item(1, 0, "third");
    add_control_item(1, -1, "");
    EXPECT_EQ(count_control_items(1), 4);
    EXPECT_EQ(caption(0), "first");
    EXPECT_EQ(caption(1), "second");
    EXPECT_EQ(caption(2), "third");
    EXPECT_EQ(caption(3), "");
    EXPECT_EQ(get_control_item_text(1, 2), "third");
}

TEST_F(tab_control_test, SelectingShowsAndEnablesOnlyTheSelectedPage) {
    add_three_pages();
    set_control_state(1, 1);
    EXPECT_EQ(get_control_state(1), 1);
    EXPECT_TRUE(IsWindowVisible(page(1)));
    EXPECT_FALSE(IsWindowVisible(page(0)));
    EXPECT_FALSE(IsWindowEnabled(page(0)));

    set_control_state(1, 0);
    EXPECT_EQ(get_control_state(1), 0);
    EXPECT_TRUE(IsWindowVisible(page(0)));
    EXPECT_TRUE(IsWindowEnabled(page(0)));
    EXPECT_FALSE(IsWindowVisible(page(1)));
    EXPECT_FALSE(IsWindowEnabled(page(1)));
    EXPECT_EQ(GetWindow(tab, GW_CHILD), page(0));
}

TEST_F(tab_control_test, SelectingAMissingItemKeepsTheCurrentPage) {
    add_three_pages();
    set_control_state(1, 2);
    for (int index : {3, 17}) {
        set_control_state(1, index);
        EXPECT_EQ(get_control_state(1), 2) << "index " << index;
        EXPECT_TRUE(IsWindowVisible(page(2)));
        EXPECT_TRUE(IsWindowEnabled(page(2)));
    }
    // The platform takes a negative index as "no item selected"; the page shown stays.
    for (int index : {-1, -2}) {
        set_control_state(1, index);
        EXPECT_EQ(get_control_state(1), -1) << "index " << index;
        EXPECT_TRUE(IsWindowVisible(page(2)));
    }
}

TEST_F(tab_control_test, TextIsTheSelectedCaption) {
    add_three_pages();
    set_control_state(1, 1);
    EXPECT_EQ(get_control_text(1), "Help-n-About");
    ShowWindow(page(1), SW_HIDE);
    set_control_text(1, "About");
    EXPECT_EQ(caption(1), "About");
    EXPECT_EQ(get_control_state(1), 1);
    EXPECT_TRUE(IsWindowVisible(page(1)));

    set_control_item_text(1, 2, "Licence", 0);
    EXPECT_EQ(caption(2), "Licence");
    EXPECT_EQ(get_control_state(1), 1);
    EXPECT_EQ(get_control_item_text(1, 0), "Main");
}

TEST_F(tab_control_test, RemovingItemsDestroysTheirPages) {
    add_three_pages();
    HWND first = page(0);
    HWND last = page(2);
    remove_control_item(1, 2);
    EXPECT_FALSE(IsWindow(last));
    EXPECT_EQ(count_control_items(1), 2);
    clear_control_items(1);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(count_control_items(1), 0);
}

TEST_F(tab_control_test, NestingDeeperThanTheContainerStackIsRefused) {
    // The fixture's tab control holds one place of 20.
    for (int depth = 2; depth <= 20; ++depth) {
        add_control_item(depth - 1, -1, "page");
        ASSERT_NE(create_tab_control(depth, 0, 0, 200, 150), nullptr) << "depth " << depth;
    }
    add_control_item(20, -1, "deepest");
    HWND deepest_page = GetWindow(control_handle(20), GW_CHILD);
    EXPECT_EQ(create_tab_control(21, 0, 0, 100, 100), nullptr);
    EXPECT_EQ(control_handle(21), nullptr);
    create_button(22, 0, 0, 10, 10, "on the deepest page");
    EXPECT_EQ(GetParent(control_handle(22)), deepest_page);

    for (int depth = 20; depth >= 1; --depth) {
        close_container();
    }
    create_button(23, 0, 0, 10, 10, "in the window");
    EXPECT_EQ(GetParent(control_handle(23)), window);
}

}  // namespace
