// The rows of the list views, one store per list window, and the order in which each list
// shows them: list_view.cpp fills the stores, list_view_notice.cpp answers the control from
// them, list_view_copy.cpp copies from them. Rows are counted in the order the application
// gave them; a place is a position in the list as shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/list_view_edit.h"

struct list_row {
    std::vector<std::string> cells;
    bool marked = false;
};

struct list_store {
    HWND list = nullptr;
    std::vector<std::string> headers;
    std::vector<list_row> rows;
    std::vector<int> shown;             // the row at each place
    std::vector<int> place;             // the place of each row, -1 when not shown
    std::vector<list_view_edit> edits;  // kept, not taken yet
    std::vector<int> editing;           // the rows the open label editor names
    std::vector<int> edit_many;         // the next editor names these rows when among them
    int clicked_column = -1;
};

// A new empty store for the list (a handle of a destroyed list is reused), and its removal.
void add_list_store(HWND list);
void remove_list_store(HWND list);

list_store* store_of(HWND list);
list_row* row_of(HWND list, int row);
int row_at(HWND list, int place);  // -1 for no such place
int place_of(HWND list, int row);  // -1 for a row not shown
void show_every_row(list_store& store);

// The cell's text, up to a zero byte (as the control shows it), and with the mark.
std::string plain_cell(const list_row& row, int column);
std::string shown_cell(const list_row& row, int column);

// The rows selected in the list, in the order shown; the focused row (-1 when none).
std::vector<int> selected_rows(HWND list);
int focused_row(HWND list);
// Selects no row and focuses none.
void clear_selection(HWND list);
// Selects exactly the rows given (those shown) and focuses the row given.
void select_rows(HWND list, const std::vector<int>& rows, int focused);
