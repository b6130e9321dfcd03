// What the label editor of a list view keeps: the text typed and the rows it names.
#pragma once

#include <string>
#include <vector>

struct list_view_edit {
    int row;  // the row edited
    std::string text;
    std::vector<int> rows;  // every row the text names, the edited one among them
};
