// List views: the platform's report-view list, one row per item, with column headers the
// user can widen, whole-row selection and a label editor for the first column. The layer
// holds the rows' texts itself (the control asks for what it shows), so a list of thousands
// of rows is filled at once.
//
// The label editor opens on F2 or a double click on a row (and on the platform's own slow
// click on the selected row); it takes at most list_view_label_max bytes, Enter keeps and Esc
// cancels. A kept, non-empty text raises a control event with the detail
// list_view_label_edited and waits, with its row, until take_list_view_edits takes it (an
// edit ended by a click elsewhere raises the clicked control's event instead, and waits all
// the same). The cell keeps its text: the application decides what it shows.
//
// The kind's state is the selected row (-1 when none), its item count the number of rows and
// an item's text the first cell as shown.
#pragma once

#include <string>
#include <vector>

#include "ui/window_handle.h"

constexpr int list_view_label_max = 255;
constexpr int list_view_label_edited = 4;  // event_detail of a kept label edit

window_handle create_list_view(int number, int x, int y, int width, int height);

// Appends a column with its header and width in pixels.
void add_list_view_column(int number, const std::string& header, int width);

// Replaces every row; each row holds one text a column (missing ones show empty).
void set_list_view_rows(int number, std::vector<std::vector<std::string>> rows);

// One cell's text; nothing for a row or column that does not exist.
void set_list_view_cell(int number, int row, int column, const std::string& text);
std::string list_view_cell(int number, int row, int column);

// A marked row shows a "*" before its first cell; the label editor opens with the plain text.
void mark_list_view_row(int number, int row, bool marked);
bool list_view_row_marked(int number, int row);

// Opens the label editor on the row (nothing for a row that does not exist).
void edit_list_view_label(int number, int row);

struct list_view_edit {
    int row;
    std::string text;
};

// The kept label edits of the list not taken yet, oldest first; they are forgotten then.
std::vector<list_view_edit> take_list_view_edits(int number);
