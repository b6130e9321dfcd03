// List views: the platform's report-view list, one row per item, with column headers the
// user can widen, whole-row selection of one row or several (Shift, Ctrl, Ctrl+A) and a label
// editor for the first column. The application keeps the rows' texts: the list asks its source
// for each cell it draws, so a list of thousands of rows is filled at once. Rows are counted as
// the application counts them; the list may show some of them, in an order of the
// application's choosing (set_list_view_order).
//
// The label editor opens on F2 (naming every selected row when the focused one is among them)
// or a double click on a row (naming that row; so does the platform's own slow click on the
// selected row); it takes as many characters as the application allows, Enter keeps and Esc
// cancels. A
// kept, non-empty text raises a control event with the detail list_view_label_edited and
// waits, with its rows, until take_list_view_edits takes it (an edit ended by a click
// elsewhere raises the clicked control's event instead, and waits all the same). The cell
// keeps its text: the application decides what it shows. A click on a column header raises a
// control event with the detail list_view_column_clicked. Typed letters go to the next row
// whose first cell starts with them. Ctrl+C raises a control event with the detail
// list_view_copy_asked, Ctrl+Z one with list_view_undo_asked, Ctrl+Y and
// Ctrl+Shift+Z one with list_view_redo_asked; the context menu key, Shift+F10 and a right click one
// with the detail list_view_menu_asked (the application shows the menu: choose_list_view_command).
//
// The kind's state is the selected row (-1 when none; setting it selects that row alone), its
// item count the number of rows shown and an item's text the first cell as shown at that place.
#pragma once

#include <string>
#include <vector>

#include "ui/list_view_edit.h"
#include "ui/list_view_source.h"
#include "ui/window_handle.h"

constexpr int list_view_label_edited = 4;    // event_detail of a kept label edit
constexpr int list_view_column_clicked = 5;  // event_detail of a click on a column header
constexpr int list_view_copy_asked = 6;      // event_detail of Ctrl+C
constexpr int list_view_menu_asked = 7;      // event_detail of a right click or the menu key
constexpr int list_view_undo_asked = 8;      // event_detail of Ctrl+Z
constexpr int list_view_redo_asked = 9;      // event_detail of Ctrl+Y or Ctrl+Shift+Z

window_handle create_list_view(int number, int x, int y, int width, int height);

// Appends a column with its header and width; the column's width now (as the user left it).
void add_list_view_column(int number, const std::string& header, int width);
int list_view_column_width(int number, int column);
void set_list_view_column_width(int number, int column, int width);
// A new header for the column (another language's); its width stays.
void set_list_view_column_text(int number, int column, const std::string& header);

// The rows' texts and marks from now on (nullptr: none).
void set_list_view_source(int number, const list_view_source* source);
// The label editor takes at most this many characters (0, as a new list has it: no limit).
void limit_list_view_labels(int number, int characters);

// The list holds this many rows now (new ones): every row shown in order, none selected.
void set_list_view_rows(int number, int count);
// The source's texts or marks changed: the rows shown are drawn again.
void redraw_list_view(int number);

// Shows the rows given, in that order, and no others; selected rows still shown stay selected.
void set_list_view_order(int number, const std::vector<int>& rows);

// The column of the header clicked last; -1 before any.
int list_view_clicked_column(int number);
// The sort arrow on the column's header: up for a direction above 0, down below; every other
// header loses its arrow (all of them for direction 0). The header is left alone (not painted
// again) when it shows that arrow already.
void show_list_view_sort(int number, int column, int direction);

// The selected rows, in the order shown.
std::vector<int> list_view_selected_rows(int number);

// Selects every row shown.
void select_all_list_view_rows(int number);

// Opens the label editor on the row (nothing for a row that does not exist).
void edit_list_view_label(int number, int row);
// As F2: the editor on the focused row, naming every selected row when it is among them.
void edit_list_view_labels(int number);

// A command of a list's context menu: its number (above 0) and text ("Rename\tF2"), greyed when
// it can't be chosen now. A command numbered 0 is a line between the commands.
struct list_view_command {
    int number;
    std::string text;
    bool greyed = false;
};
// After an event with the detail list_view_menu_asked: shows the menu at the mouse, or under the
// focused row when asked from the keyboard, and returns the number of the command chosen; 0
// when none was.
int choose_list_view_command(int number, const std::vector<list_view_command>& commands);

// Ends an open label editor as a click elsewhere does: its text is kept as an edit.
void finish_list_view_edit(int number);

// The kept label edits of the list not taken yet, oldest first; they are forgotten then.
std::vector<list_view_edit> take_list_view_edits(int number);
