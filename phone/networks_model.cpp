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
constexpr int operator_column = 3;

bool is_row(const networks_model& model, int row) {
    return row >= 0 && static_cast<size_t>(row) < model.records.size();
}

void tell(networks_model& model, networks_change change) {
    if (model.watcher != nullptr)
        model.watcher->networks_changed(change);
}

// No find text holds a line end: a find spans no two columns.
bool found(const networks_model& model, size_t row) {
    return model.found_names[row].find(model.find_text) != std::string::npos ||
           model.found_facts[row].find(model.find_text) != std::string::npos;
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
    for (size_t row = 0; row < model.found_names.size(); ++row) {
        if (found(model, row))
            model.shown.push_back(static_cast<int>(row));
    }
    sort_shown(model);
}

void look_again(networks_model& model) {
    model.found_names.resize(model.records.size());
    for (size_t row = 0; row < model.records.size(); ++row)
        model.found_names[row] =
            lower_case_text(model.letters, network_cell(model, static_cast<int>(row), 0));
    model.keys_column = -1;
    show_found(model);
}

// The row's name changed: a later find or sort takes the new name. The row stays where it is.
void set_name(networks_model& model, int row, const std::string& name) {
    const size_t at = static_cast<size_t>(row);
    model.records[at].name = name;
    model.found_names[at] = lower_case_text(model.letters, network_cell(model, row, 0));
    if (model.keys_column == 0)
        model.sort_keys[at] = model.found_names[at];
}

void add_name(std::string& names, const std::string& name) {
    names += static_cast<char>(name.size());  // no name is over operator_name_max bytes
    names += name;
}

// The name at the place in names, which then moves past it.
std::string next_name(const std::string& names, size_t& at) {
    const size_t length = static_cast<unsigned char>(names[at]);
    const size_t start = at + 1;
    at = start + length;
    return names.substr(start, length);
}

// A step being made: set_name through it keeps what it changes.
struct step_maker {
    names_step step;
    bool one_name = true;  // every row so far took the same name
    std::string last;

    explicit step_maker(names_step_kind kind, const std::string& file = std::string()) {
        step.kind = kind;
        step.file = file;
    }

    void rename(networks_model& model, int row, const std::string& name) {
        const std::string& before = model.records[static_cast<size_t>(row)].name;
        if (before == name)
            return;
        add_name(step.before, before);
        if (step.rows.empty()) {
            last = name;
        } else if (one_name && name != last) {
            // Every row before this one took the last name: they are written out after all.
            one_name = false;
            std::string names;
            for (size_t each = 0; each < step.rows.size(); ++each)
                add_name(names, last);
            step.after = names;
        }
        if (!one_name)
            add_name(step.after, name);
        step.rows.push_back(row);
        set_name(model, row, name);
    }

    // The step into the history, unless it changed no name.
    size_t keep(networks_model& model) {
        if (step.rows.empty())
            return 0;
        step.one_name = one_name;
        if (one_name)
            add_name(step.after, last);
        model.redo_steps.clear();
        if (model.undo_steps.size() >= names_steps_kept)
            model.undo_steps.erase(model.undo_steps.begin());
        model.undo_steps.push_back(std::move(step));
        return model.undo_steps.back().rows.size();
    }
};

// Puts back the names before the step, or after it.
void apply_names(networks_model& model, const names_step& step, bool after) {
    const std::string& names = after ? step.after : step.before;
    const bool one_name = after && step.one_name;
    size_t at = 0;
    std::string name;
    for (size_t each = 0; each < step.rows.size(); ++each) {
        if (!one_name || each == 0)
            name = next_name(names, at);
        if (is_row(model, step.rows[each]))
            set_name(model, step.rows[each], name);
    }
}

}  // namespace

void load_networks(networks_model& model, std::vector<operator_record> records) {
    model.records = std::move(records);
    model.facts.clear();
    model.operator_lacking.clear();
    model.found_facts.clear();
    for (const operator_record& record : model.records) {
        const std::string code = network_code_of_key(record.key);
        bool lacking = false;
        const std::string country = text_of_data(model.letters, network_country(code), lacking);
        const std::string name = text_of_data(model.letters, network_operator(code), lacking);
        model.facts.insert(model.facts.end(), {code, country, name, key_text(record.key)});
        model.found_facts.push_back(
            lower_case_text(model.letters, code + '\n' + country + '\n' + name));
        model.operator_lacking.push_back(lacking);
    }
    model.kept_names.clear();
    for (const operator_record& record : model.records)
        model.kept_names.push_back(record.name);
    model.undo_steps.clear();
    model.redo_steps.clear();
    look_again(model);
    tell(model, networks_change::records);
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
    for (size_t row = 0; row < model.records.size(); ++row)
        model.kept_names[row] = model.records[row].name;
    tell(model, networks_change::names);
}

void discard_renames(networks_model& model) {
    step_maker maker(names_step_kind::discard);
    for (size_t row = 0; row < model.records.size(); ++row)
        maker.rename(model, static_cast<int>(row), model.kept_names[row]);
    maker.keep(model);
    show_found(model);
    tell(model, networks_change::rows_shown);
}

std::string networks_found_text(const networks_model& model) {
    if (model.records.empty())
        return std::string();
    return text_of(text_id::find_count, {{"shown", std::to_string(model.shown.size())},
                                         {"count", std::to_string(model.records.size())}});
}

std::string no_networks_refusal(const networks_model& model, const std::string& refusal) {
    return model.records.empty() ? refusal + "\n" + text_of(text_id::read_or_open_first)
                                 : std::string();
}

rename_result rename_networks(networks_model& model, const std::vector<int>& rows,
                              const std::string& name) {
    rename_result result;
    result.too_long = name.size() > static_cast<size_t>(operator_name_max);
    if (result.too_long || name.empty())
        return result;
    step_maker maker(names_step_kind::rename);
    for (int row : rows) {
        if (is_row(model, row))
            maker.rename(model, row, name);
    }
    result.renamed = maker.keep(model);
    result.said = result.renamed > 0;
    if (result.renamed > 0)
        tell(model, networks_change::names);
    return result;
}

rename_result rename_as_typed(networks_model& model, int row, std::vector<int> rows,
                              const std::string& name) {
    if (rows.empty())
        rows = {row};
    const bool many = rows.size() > 1;
    if (name == network_cell(model, row, 0))
        rows.erase(std::remove(rows.begin(), rows.end(), row), rows.end());
    rename_result result = rename_networks(model, rows, name);
    result.said = !result.too_long && (result.renamed > 0 || many);
    return result;
}

size_t rename_networks_after(networks_model& model, const std::vector<operator_record>& renamed,
                             const std::string& file) {
    step_maker maker(names_step_kind::sheet, file);
    for (size_t row = 0; row < model.records.size() && row < renamed.size(); ++row)
        maker.rename(model, static_cast<int>(row), renamed[row].name);
    const size_t count = maker.keep(model);
    show_found(model);
    tell(model, networks_change::rows_shown);
    return count;
}

operator_names_result use_operator_names(networks_model& model, const std::vector<int>& rows) {
    operator_names_result result;
    step_maker maker(names_step_kind::operator_names);
    for (int row : rows) {
        const std::string name = network_cell(model, row, operator_column);
        if (name.empty())
            continue;  // no known operator, or no such row
        if (model.operator_lacking[static_cast<size_t>(row)]) {
            ++result.kept;
        } else if (name.size() > static_cast<size_t>(operator_name_max)) {
            ++result.too_long;
        } else {
            maker.rename(model, row, name);
            ++result.named;
        }
    }
    if (maker.keep(model) > 0)
        tell(model, networks_change::names);
    return result;
}

std::string operator_names_status(const operator_names_result& result) {
    std::string status = count_text_of(text_id::named_status, static_cast<long long>(result.named));
    if (result.kept > 0)
        status += " " + count_text_of(text_id::kept_status, static_cast<long long>(result.kept));
    if (result.too_long > 0)
        status +=
            " " + count_text_of(text_id::kept_long_status, static_cast<long long>(result.too_long),
                                {{"bytes", std::to_string(operator_name_max)}});
    return status;
}

namespace {

// The newest step of one list, moved onto the other with its names put back (before or after it).
const names_step* move_step(networks_model& model, std::vector<names_step>& from,
                            std::vector<names_step>& to, bool after) {
    if (from.empty())
        return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    apply_names(model, to.back(), after);
    tell(model, networks_change::names);
    return &to.back();
}

}  // namespace

const names_step* undo_names(networks_model& model) {
    return move_step(model, model.undo_steps, model.redo_steps, false);
}

const names_step* redo_names(networks_model& model) {
    return move_step(model, model.redo_steps, model.undo_steps, true);
}

text_id names_step_text(names_step_kind kind, step_words words) {
    static const text_id texts[][4] = {
        {text_id::undo_rename_command, text_id::redo_rename_command, text_id::undone_rename_status,
         text_id::redone_rename_status},
        {text_id::undo_operator_names_command, text_id::redo_operator_names_command,
         text_id::undone_operator_names_status, text_id::redone_operator_names_status},
        {text_id::undo_sheet_command, text_id::redo_sheet_command, text_id::undone_sheet_status,
         text_id::redone_sheet_status},
        {text_id::undo_discard_command, text_id::redo_discard_command,
         text_id::undone_discard_status, text_id::redone_discard_status}};
    return texts[static_cast<int>(kind)][static_cast<int>(words)];
}

namespace {

std::string command_text(const std::vector<names_step>& steps, step_words words, text_id none) {
    if (steps.empty())
        return text_of(none);
    const names_step& step = steps.back();
    return count_text_of(names_step_text(step.kind, words),
                         static_cast<long long>(step.rows.size()), {{"file", step.file}});
}

}  // namespace

std::string undo_command_text(const networks_model& model) {
    return command_text(model.undo_steps, step_words::undo_command, text_id::undo_command);
}

std::string redo_command_text(const networks_model& model) {
    return command_text(model.redo_steps, step_words::redo_command, text_id::redo_command);
}

void find_networks(networks_model& model, const std::string& text) {
    model.find_text = lower_case_text(model.letters, text);
    show_found(model);
    tell(model, networks_change::rows_shown);
}

void sort_networks_by(networks_model& model, int column) {
    if (column != model.sort_column) {
        model.sort_column = column;
        model.sort_direction = 1;
    } else {
        model.sort_direction = model.sort_direction > 0 ? -1 : model.sort_direction < 0 ? 0 : 1;
    }
    show_found(model);
    tell(model, networks_change::rows_shown);
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
