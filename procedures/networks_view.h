// What the Networks page shows of the table: the rows whose name, network, country or operator
// holds the find text (ignoring case), with "N of M" beside the find box, sorted by the column
// whose header was clicked. The table itself, and all that takes it, stays in table order.
#pragma once

#include <cstddef>
#include <string>

// The column "#": each record's place in the table, counted from 1.
constexpr int network_number_column = 5;

// No find text, table order (the page has just been built).
void forget_networks_view();

// The find text changed: the rows that hold it, in the order chosen.
void find_networks(const std::string& text);

// A click on the column's header: sorted up by it, then down, then table order again; a
// click on another column starts at up again.
void sort_networks_by(int column);

// Applies the find text and the order chosen to the list's rows again, now that it holds the
// count of records given (new records).
void show_networks_view(size_t count);

// The row's name changed: a later find or sort takes the new name. The row stays where it is.
void network_renamed(int row);
