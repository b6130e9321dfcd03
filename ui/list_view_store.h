// What the layer keeps of each list view, one store per list window: the source of its rows'
// texts, the order in which the list shows the rows and its label edits. list_view.cpp fills the
// stores, list_view_notice.cpp answers the control from them. Rows are counted as the
// application counts them; a place is a position in the list as shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/list_view_edit.h"
#include "ui/list_view_source.h"

struct list_store {
    HWND list = nullptr;
    const list_view_source* source = nullptr;
    int row_count = 0;
    std::vector<int> shown;             // the row at each place
    std::vector<int> place;             // the place of each row, -1 when not shown
    std::vector<list_view_edit> edits;  // kept, not taken yet
    std::vector<int> editing;           // the rows the open label editor names
    std::vector<int> edit_many;         // the next editor names these rows when among them
    int clicked_column = -1;
    int label_max = 0;      // the characters the label editor takes, 0 for no limit
    int arrow_column = -1;  // the sort arrow the header shows
    int arrow_direction = 0;
    LPARAM menu_point = -1;  // where the context menu was asked for; -1 from the keyboard
};

// A new empty store for the list (a handle of a destroyed list is reused), and its removal.
void add_list_store(HWND list);
void remove_list_store(HWND list);

list_store* store_of(HWND list);
int row_at(HWND list, int place);  // -1 for no such place
int place_of(HWND list, int row);  // -1 for a row not shown
void show_every_row(list_store& store);

// The cell's text from the source, and with the mark.
std::string plain_cell(const list_store& store, int row, int column);
std::string shown_cell(const list_store& store, int row, int column);

// The rows selected in the list, in the order shown; the focused row (-1 when none).
std::vector<int> selected_rows(HWND list);
int focused_row(HWND list);
// Selects no row and focuses none.
void clear_selection(HWND list);
// Selects exactly the rows given (those shown) and focuses the row given.
void select_rows(HWND list, const std::vector<int>& rows, int focused);
