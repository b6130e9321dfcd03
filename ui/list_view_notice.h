// The window procedure's side of list views: the notifications that the layer answers for
// the lists it holds the rows of.
#pragma once

#include <windows.h>

enum class list_view_notice {
    other,           // not answered here: the window procedure goes on with it
    answered,        // answered with the result given; no event
    label_edited,    // a label edit was kept: an event with list_view_label_edited
    column_clicked,  // a column header was clicked: an event with list_view_column_clicked
};

list_view_notice answer_list_view(const NMHDR* header, LRESULT& result);
