#include "phone/name_sheet.h"

#include <cctype>
#include <map>

#include "phone/network_code.h"
#include "phone/network_names.h"
#include "runtime/code_page_1252.h"
#include "runtime/utf8.h"
#include "texts/program_texts.h"

namespace {

const char byte_order_mark[] = "\xEF\xBB\xBF";
const char key_column[] = "Key";
const char name_column[] = "Name on phone";

std::string field_text(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (const char c : field)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

std::string row_text(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i == 0 ? "" : ",") + field_text(fields[i]);
    return out + "\r\n";
}

// The key as the table holds it: its first four bytes, zero bytes after a shorter one.
std::string table_key(const std::string& key) {
    std::string four = key.substr(0, 4);
    four.resize(4, '\0');
    return four;
}

struct sheet_row {
    int line;  // where the row starts, from 1
    std::vector<std::string> fields;
};

// The 1-based line of the first byte that is not part of UTF-8 text; 0 when all are.
int line_of_bad_utf8(const std::string& text) {
    int line = 1;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = at;
        uint32_t c = 0;
        if (!next_utf8(text, at, c))
            return line;
        if (text[start] == '\n')
            ++line;
    }
    return 0;
}

// The first comma or semicolon of the row from at, outside a first field that opens with a
// quote (a quote inside a field is a plain character, as next_row reads it); a comma when the
// row has none.
char separator_of(const std::string& text, size_t at) {
    if (at < text.size() && text[at] == '"') {
        for (++at;
             at < text.size() && (text[at] != '"' || (at + 1 < text.size() && text[at + 1] == '"'));
             ++at)
            at += text[at] == '"';  // a doubled quote
    }
    for (; at < text.size() && text[at] != '\n'; ++at) {
        if (text[at] == ',' || text[at] == ';')
            return text[at];
    }
    return ',';
}

// Reads the row from at: quoted parts of a field are taken as they are, quotes doubled in
// them stand for one; text after a closing quote joins the field. The row ends at LF (a CR
// before it goes) or at the end of the text. False when a quote does not close.
bool next_row(const std::string& text, char separator, size_t& at, int& line, sheet_row& row) {
    row = {line, {}};
    for (;;) {
        std::string field;
        if (at < text.size() && text[at] == '"') {
            for (++at;; ++at) {
                if (at >= text.size())
                    return false;
                if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"'))
                    break;
                if (text[at] == '"')
                    ++at;
                line += text[at] == '\n';
                field += text[at];
            }
            ++at;
        }
        const size_t quoted_size = field.size();
        while (at < text.size() && text[at] != separator && text[at] != '\n')
            field += text[at++];
        const bool row_ends = at >= text.size() || text[at] == '\n';
        if (row_ends && field.size() > quoted_size && field.back() == '\r')
            field.pop_back();
        row.fields.push_back(field);
        if (at < text.size())
            line += text[at++] == '\n';
        if (row_ends)
            return true;
    }
}

bool is_blank(const sheet_row& row) {
    for (const std::string& field : row.fields)
        if (!field.empty())
            return false;
    return true;
}

// The column's place in the header row, matched without blanks around it and in any case;
// -1 when it isn't there.
int column_of(const sheet_row& header, const std::string& column) {
    for (size_t i = 0; i < header.fields.size(); ++i) {
        const std::string& field = header.fields[i];
        const size_t start = field.find_first_not_of(' ');
        const size_t end = field.find_last_not_of(' ');
        if (start == std::string::npos || end + 1 - start != column.size())
            continue;
        bool same = true;
        for (size_t j = 0; j < column.size(); ++j)
            same = same && std::tolower(static_cast<unsigned char>(field[start + j])) ==
                               std::tolower(static_cast<unsigned char>(column[j]));
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

std::string field_of(const sheet_row& row, int column) {
    return static_cast<size_t>(column) < row.fields.size() ? row.fields[column] : std::string();
}

// What is wrong with the row's name for the record; empty when it is a name the record can
// take.
std::string name_refusal(const std::string& text, const operator_record& record,
                         names_of_utf8 name_of_utf8, std::string& name) {
    if (!name_of_utf8(text, name))
        return text_of(text_id::sheet_name_not_in_code_page);
    if (name.empty() && !record.name.empty())
        return text_of(text_id::sheet_name_empty);
    if (name.size() > static_cast<size_t>(operator_name_max))
        return text_of(
            text_id::sheet_name_too_long,
            {{"size", std::to_string(name.size())}, {"limit", std::to_string(operator_name_max)}});
    return std::string();
}

// What is wrong with the file, if anything; renames the records (a copy) as it goes.
std::string sheet_refusal(const std::string& sheet, std::vector<operator_record>& records,
                          names_of_utf8 name_of_utf8, int& line, size_t& renamed) {
    line = line_of_bad_utf8(sheet);
    if (line != 0)
        return text_of(text_id::sheet_not_utf8);
    const size_t skip = sheet.compare(0, 3, byte_order_mark) == 0 ? 3 : 0;
    const std::string text = sheet.substr(skip);
    // The header row is the first that is not blank; its first separator is the file's.
    size_t at = 0;
    int next_line = 1;
    sheet_row row;
    char separator = ',';
    do {
        separator = separator_of(text, at);
        const bool header_closes = next_row(text, separator, at, next_line, row);
        line = row.line;
        if (!header_closes)
            return text_of(text_id::sheet_quotes_open);
    } while (is_blank(row) && at < text.size());
    const int key_at = column_of(row, key_column);
    const int name_at = column_of(row, name_column);
    if (key_at < 0 || name_at < 0)
        return text_of(text_id::sheet_no_header);

    std::map<std::string, std::vector<size_t>> records_of_key;
    for (size_t i = 0; i < records.size(); ++i)
        records_of_key[table_key(records[i].key)].push_back(i);
    std::map<std::string, size_t> rows_of_key;
    while (at < text.size()) {
        const bool closes = next_row(text, separator, at, next_line, row);
        line = row.line;
        if (!closes)
            return text_of(text_id::sheet_quotes_open);
        if (is_blank(row))
            continue;
        const std::string key = key_of_text(field_of(row, key_at));
        if (key.empty())
            return text_of(text_id::sheet_bad_key);
        const auto found = records_of_key.find(key);
        if (found == records_of_key.end())
            return text_of(text_id::sheet_unknown_key, {{"key", key_text(key)}});
        const size_t nth = rows_of_key[key]++;
        if (nth >= found->second.size())
            return text_of(text_id::sheet_key_too_often, {{"key", key_text(key)}});
        operator_record& record = records[found->second[nth]];
        std::string name;
        const std::string wrong = name_refusal(field_of(row, name_at), record, name_of_utf8, name);
        if (!wrong.empty())
            return wrong;
        renamed += name != record.name;
        record.name = name;
    }
    return std::string();
}

}  // namespace

std::string format_name_sheet(const std::vector<operator_record>& records,
                              utf8_of_names utf8_of_name) {
    std::string sheet =
        byte_order_mark + row_text({name_column, "Network", "Country", "Operator", key_column});
    for (const operator_record& record : records) {
        const std::string code = network_code_of_key(record.key);
        const std::string country = code.empty() ? std::string() : network_country(code);
        const std::string network_operator_name =
            code.empty() ? std::string() : network_operator(code);
        sheet += row_text({utf8_of_name(record.name), code, utf8_of_code_page_1252(country),
                           utf8_of_code_page_1252(network_operator_name),
                           key_text(table_key(record.key))});
    }
    return sheet;
}

name_sheet_result apply_name_sheet(const std::string& sheet, const std::string& file_name,
                                   const std::vector<operator_record>& records,
                                   names_of_utf8 name_of_utf8) {
    name_sheet_result result{std::string(), records, 0};
    int line = 0;
    const std::string wrong =
        sheet_refusal(sheet, result.records, name_of_utf8, line, result.renamed);
    if (!wrong.empty())
        result = {text_of(text_id::sheet_line_refusal,
                          {{"file", file_name}, {"line", std::to_string(line)}, {"wrong", wrong}}),
                  {},
                  0};
    return result;
}
