// The window procedure's side of list views: the notifications that the layer answers for
// the lists it holds the rows of.
#pragma once

#include <windows.h>

enum class list_view_notice {
    other,           // not answered here: the window procedure goes on with it
    answered,        // answered with the result given; no event
    label_edited,    // a label edit was kept: an event with list_view_label_edited
    column_clicked,  // a column header was clicked: an event with list_view_column_clicked
    copy_asked,      // Ctrl+C: an event with list_view_copy_asked
    undo_asked,      // Ctrl+Z: an event with list_view_undo_asked
    redo_asked,      // Ctrl+Y, Ctrl+Shift+Z: an event with list_view_redo_asked
};

list_view_notice answer_list_view(const NMHDR* header, LRESULT& result);

// WM_CONTEXTMENU from a list of the layer: true, with the point kept for the menu.
bool keep_list_view_menu_point(HWND list, LPARAM point);

// F2: the label editor on the focused row, once the list has finished with the key, naming
// every selected row when the focused one is among them.
void edit_focused_labels(HWND list);
