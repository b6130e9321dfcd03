#include "phone/networks_model.h"

#include <algorithm>

#include "phone/network_code.h"
#include "phone/network_names.h"
#include "runtime/number_text.h"
#include "texts/program_texts.h"

std::string network_column_header(int column) {
    static const text_id headers[network_column_count] = {
        text_id::name_column,     text_id::network_column, text_id::country_column,
        text_id::operator_column, text_id::key_column,     text_id::number_column};
    return column >= 0 && column < network_column_count ? text_of(headers[column]) : std::string();
}

namespace {

constexpr int fact_count = network_column_count - 2;  // network, country, operator, key
constexpr int found_columns = 4;                      // name, network, country, operator

bool is_row(const networks_model& model, int row) {
    return row >= 0 && static_cast<size_t>(row) < model.records.size();
}

std::string found_text(const networks_model& model, int row) {
    std::string text;
    for (int column = 0; column < found_columns; ++column) {
        text += lower_case_text(model.letters, network_cell(model, row, column));
        text += '\n';  // no find text holds a line end: none spans two columns
    }
    return text;
}

void sort_shown(networks_model& model) {
    std::vector<int>& rows = model.shown;
    if (model.sort_direction == 0)
        return;
    if (model.sort_column == network_number_column) {
        if (model.sort_direction < 0)
            std::reverse(rows.begin(), rows.end());
        return;
    }
    if (model.keys_column != model.sort_column) {
        model.keys_column = model.sort_column;
        model.sort_keys.resize(model.records.size());
        for (size_t row = 0; row < model.sort_keys.size(); ++row)
            model.sort_keys[row] = lower_case_text(
                model.letters, network_cell(model, static_cast<int>(row), model.sort_column));
    }
    // Equal keys keep table order by the rows' numbers (std::sort: a stable sort's buffers cost
    // the program 2 KB).
    const std::vector<std::string>& keys = model.sort_keys;
    const int direction = model.sort_direction;
    std::sort(rows.begin(), rows.end(), [&keys, direction](int first, int second) {
        const int order = keys[first].compare(keys[second]);
        return order != 0 ? (direction > 0 ? order < 0 : order > 0) : first < second;
    });
}

// The rows that hold the find text, in the order chosen.
void show_found(networks_model& model) {
    model.shown.clear();
    for (size_t row = 0; row < model.found_texts.size(); ++row) {
        if (model.found_texts[row].find(model.find_text) != std::string::npos)
            model.shown.push_back(static_cast<int>(row));
    }
    sort_shown(model);
}

void look_again(networks_model& model) {
    model.found_texts.resize(model.records.size());
    for (size_t row = 0; row < model.records.size(); ++row)
        model.found_texts[row] = found_text(model, static_cast<int>(row));
    model.keys_column = -1;
    show_found(model);
}

// The row's name changed: a later find or sort takes the new name. The row stays where it is.
void set_name(networks_model& model, int row, const std::string& name) {
    model.records[static_cast<size_t>(row)].name = name;
    model.found_texts[static_cast<size_t>(row)] = found_text(model, row);
    if (model.keys_column == 0)
        model.sort_keys[static_cast<size_t>(row)] =
            lower_case_text(model.letters, network_cell(model, row, 0));
}

}  // namespace

void load_networks(networks_model& model, std::vector<operator_record> records) {
    model.records = std::move(records);
    model.facts.clear();
    model.operator_lacking.clear();
    for (const operator_record& record : model.records) {
        const std::string code = network_code_of_key(record.key);
        bool lacking = false;
        model.facts.push_back(code);
        model.facts.push_back(text_of_data(model.letters, network_country(code), lacking));
        model.facts.push_back(text_of_data(model.letters, network_operator(code), lacking));
        model.facts.push_back(key_text(record.key));
        model.operator_lacking.push_back(lacking);
    }
    keep_network_names(model);
    look_again(model);
}

std::string network_cell(const networks_model& model, int row, int column) {
    if (!is_row(model, row) || column < 0 || column >= network_column_count)
        return std::string();
    if (column == 0)
        return model.records[static_cast<size_t>(row)].name.c_str();
    if (column == network_number_column)
        return number_to_text(static_cast<int32_t>(row + 1));
    return model.facts[static_cast<size_t>(row) * fact_count + static_cast<size_t>(column - 1)];
}

bool network_renamed(const networks_model& model, int row) {
    return is_row(model, row) && model.records[static_cast<size_t>(row)].name !=
                                     model.kept_names[static_cast<size_t>(row)];
}

size_t renamed_network_count(const networks_model& model) {
    size_t count = 0;
    for (size_t row = 0; row < model.records.size(); ++row)
        count += network_renamed(model, static_cast<int>(row)) ? 1 : 0;
    return count;
}

void keep_network_names(networks_model& model) {
    model.kept_names.clear();
    for (const operator_record& record : model.records)
        model.kept_names.push_back(record.name);
}

void discard_renames(networks_model& model) {
    for (size_t row = 0; row < model.records.size(); ++row)
        model.records[row].name = model.kept_names[row];
    look_again(model);
}

rename_result rename_networks(networks_model& model, const std::vector<int>& rows,
                              const std::string& name) {
    rename_result result;
    result.too_long = name.size() > static_cast<size_t>(operator_name_max);
    if (result.too_long || name.empty())
        return result;
    for (int row : rows) {
        if (is_row(model, row) && model.records[static_cast<size_t>(row)].name != name) {
            set_name(model, row, name);
            ++result.renamed;
        }
    }
    return result;
}

size_t rename_networks_after(networks_model& model, const std::vector<operator_record>& renamed) {
    size_t count = 0;
    for (size_t row = 0; row < model.records.size() && row < renamed.size(); ++row) {
        if (model.records[row].name != renamed[row].name) {
            model.records[row].name = renamed[row].name;
            ++count;
        }
    }
    look_again(model);
    return count;
}

operator_names_result use_operator_names(networks_model& model, const std::vector<int>& rows) {
    operator_names_result result;
    for (int row : rows) {
        const std::string name = network_cell(model, row, 3);
        if (name.empty())
            continue;  // no known operator, or no such row
        if (model.operator_lacking[static_cast<size_t>(row)]) {
            ++result.kept;
        } else if (name.size() <= static_cast<size_t>(operator_name_max)) {
            if (model.records[static_cast<size_t>(row)].name != name)
                set_name(model, row, name);
            ++result.named;
        }
    }
    return result;
}

void find_networks(networks_model& model, const std::string& text) {
    model.find_text = lower_case_text(model.letters, text);
    show_found(model);
}

void sort_networks_by(networks_model& model, int column) {
    if (column != model.sort_column) {
        model.sort_column = column;
        model.sort_direction = 1;
    } else {
        model.sort_direction = model.sort_direction > 0 ? -1 : model.sort_direction < 0 ? 0 : 1;
    }
    show_found(model);
}

std::string networks_copy_text(const networks_model& model, const std::vector<int>& rows,
                               std::string (*utf8_of_cell)(const std::string& cell)) {
    std::string text;
    for (int column = 0; column < network_column_count; ++column)
        text += (column == 0 ? "" : "\t") + network_column_header(column);
    for (int row : rows) {
        text += "\r\n";
        for (int column = 0; column < network_column_count; ++column)
            text += (column == 0 ? "" : "\t") + utf8_of_cell(network_cell(model, row, column));
    }
    return text;
}
