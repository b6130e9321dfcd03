#include "procedures/networks_view.h"

#include <algorithm>
#include <vector>

#include "procedures/network_order.h"
#include "procedures/window_numbers.h"
#include "runtime/number_text.h"
#include "ui/control.h"
#include "ui/list_view.h"

namespace {

constexpr int found_columns[] = {0, 1, 2, 3};  // name, network, country, operator

std::string find_text;  // folded
int sort_column = -1;
int sort_direction = 0;  // 1 up, -1 down, 0 table order
// Folded texts of the rows, kept between keystrokes and clicks: what a find looks in, and the
// sort column's texts (for keys_column).
std::vector<std::string> found_texts;
std::vector<std::string> sort_keys;
int keys_column = -1;

std::string found_text(int row) {
    std::string text;
    for (int column : found_columns) {
        text += folded_text(list_view_cell(network_list, row, column));
        text += '\n';  // no find text holds a line end: none spans two columns
    }
    return text;
}

std::vector<int> rows_found() {
    if (!find_text.empty())
        return rows_holding(found_texts, find_text);
    std::vector<int> rows(found_texts.size());
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = static_cast<int>(row);
    return rows;
}

void sort_found(std::vector<int>& rows) {
    if (sort_direction == 0)
        return;
    if (sort_column == network_number_column) {
        if (sort_direction < 0)
            std::reverse(rows.begin(), rows.end());
        return;
    }
    if (keys_column != sort_column) {
        keys_column = sort_column;
        sort_keys.resize(found_texts.size());
        for (size_t row = 0; row < sort_keys.size(); ++row)
            sort_keys[row] =
                folded_text(list_view_cell(network_list, static_cast<int>(row), sort_column));
    }
    sort_rows(rows, sort_keys, sort_direction);
}

// The rows found, in the order chosen, with the count beside the find box (and the header's
// arrow, after a new order).
void show_rows(bool new_order) {
    std::vector<int> rows = rows_found();
    sort_found(rows);
    set_list_view_order(network_list, rows);
    if (new_order)
        show_list_view_sort(network_list, sort_column, sort_direction);
    const size_t count = found_texts.size();
    set_control_text(find_count_label,
                     count == 0 ? std::string()
                                : number_to_text(static_cast<int32_t>(rows.size())) + " of " +
                                      number_to_text(static_cast<int32_t>(count)));
}

}  // namespace

void forget_networks_view() {
    find_text.clear();
    sort_column = -1;
    sort_direction = 0;
    found_texts.clear();
    keys_column = -1;
}

void find_networks(const std::string& text) {
    find_text = folded_text(text);
    show_rows(false);
}

void sort_networks_by(int column) {
    if (column != sort_column) {
        sort_column = column;
        sort_direction = 1;
    } else {
        sort_direction = sort_direction > 0 ? -1 : sort_direction < 0 ? 0 : 1;
    }
    show_rows(true);
}

void show_networks_view(size_t count) {
    found_texts.resize(count);
    for (size_t row = 0; row < count; ++row)
        found_texts[row] = found_text(static_cast<int>(row));
    keys_column = -1;
    show_rows(true);
}

void network_renamed(int row) {
    if (row < 0 || static_cast<size_t>(row) >= found_texts.size())
        return;
    found_texts[static_cast<size_t>(row)] = found_text(row);
    if (keys_column == 0)
        sort_keys[static_cast<size_t>(row)] = folded_text(list_view_cell(network_list, row, 0));
}
