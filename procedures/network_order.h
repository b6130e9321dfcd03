// The order of the Networks page's rows, as pure text work: which rows hold a find text, and
// rows sorted by a column's texts. Rows are numbers of records in table order.
#pragma once

#include <string>
#include <vector>

// The text up to its first zero byte (as a list shows it), in lower case for a search that
// ignores case: the letters of the Windows code page 1252, in which names are shown.
std::string folded_text(const std::string& text);

// The rows whose text holds the find text; texts and the find text folded alike.
std::vector<int> rows_holding(const std::vector<std::string>& texts, const std::string& find);

// The rows sorted by their keys (keys[row]): up for a direction above 0, else down; rows with
// equal keys in table order.
void sort_rows(std::vector<int>& rows, const std::vector<std::string>& keys, int direction);
