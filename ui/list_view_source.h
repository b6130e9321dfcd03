// What a list view shows, asked for each cell it draws: the application's rows behind the list.
// The list keeps a pointer to it and never owns it; the application's object outlives the list
// or is taken away from it first.
#pragma once

#include <string>

class list_view_source {
public:
    // A cell's text (columns from 0) as shown; "" for a row or column there is none of.
    virtual std::string cell(int row, int column) const = 0;
    // Whether the row is marked ("*" before its first cell; the label editor opens with the
    // plain text).
    virtual bool marked(int row) const = 0;

protected:
    ~list_view_source() = default;
};
