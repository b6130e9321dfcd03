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
size_t record_count = 0;

std::vector<int> rows_found(int count) {
    std::vector<int> rows;
    if (find_text.empty()) {
        rows.reserve(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row)
            rows.push_back(row);
        return rows;
    }
    std::vector<std::string> texts(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        std::string& text = texts[static_cast<size_t>(row)];
        for (int column : found_columns) {
            text += folded_text(list_view_cell(network_list, row, column));
            text += '\n';  // no find text holds a line end: none spans two columns
        }
    }
    return rows_holding(texts, find_text);
}

void sort_found(std::vector<int>& rows, int count) {
    if (sort_direction == 0)
        return;
    if (sort_column == network_number_column) {
        if (sort_direction < 0)
            std::reverse(rows.begin(), rows.end());
        return;
    }
    std::vector<std::string> keys(static_cast<size_t>(count));
    for (int row : rows)
        keys[static_cast<size_t>(row)] =
            folded_text(list_view_cell(network_list, row, sort_column));
    sort_rows(rows, keys, sort_direction);
}

}  // namespace

void forget_networks_view() {
    find_text.clear();
    sort_column = -1;
    sort_direction = 0;
    record_count = 0;
}

void find_networks(const std::string& text) {
    find_text = folded_text(text);
    show_networks_view(record_count);
}

void sort_networks_by(int column) {
    if (column != sort_column) {
        sort_column = column;
        sort_direction = 1;
    } else {
        sort_direction = sort_direction > 0 ? -1 : sort_direction < 0 ? 0 : 1;
    }
    show_networks_view(record_count);
}

void show_networks_view(size_t records) {
    record_count = records;
    const int count = static_cast<int>(records);
    std::vector<int> rows = rows_found(count);
    sort_found(rows, count);
    set_list_view_order(network_list, rows);
    show_list_view_sort(network_list, sort_column, sort_direction);
    set_control_text(find_count_label, count == 0
                                           ? std::string()
                                           : number_to_text(static_cast<int32_t>(rows.size())) +
                                                 " of " + number_to_text(count));
}
