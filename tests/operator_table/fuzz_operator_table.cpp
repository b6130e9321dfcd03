// libFuzzer target for the operator table rewrite, for the names' spreadsheet file read from the
// same bytes, and for the Networks page's model: the image's records loaded, the name's bytes a
// sequence of the page's operations.
//
// Input: byte 0 and bit 0 of byte 1 give the new name's length (0 to 511); bit 7 of byte 1 asks
// for the image to be zero-filled up to the read limit, as the phone's read block is. The name
// follows (shorter when the input ends first), the rest is the image.
//
// Besides its own flags, the program takes -make_seeds=DIR: it writes a few seed inputs into DIR
// and fuzzes from them (passed on as -seed_inputs, so no corpus folder grows between runs).
#include "phone/operator_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "phone/name_sheet.h"
#include "phone/networks_model.h"
#include "runtime/code_page_1252.h"

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "operator table fuzz check failed: %s\n", what);
        std::abort();
    }
}

void check_accepted(const std::string& image, const std::string& name,
                    const std::vector<operator_record>& old_records, const rewrite_result& result) {
    std::vector<operator_record> records;
    check(parse_operator_table(result.table, records), "the new table parses");
    check(records.size() == old_records.size(), "the new table keeps the record count");
    check(result.table.size() == records.size() * (5 + name.size()), "the new table has no extras");
    check(result.table.size() <= static_cast<size_t>(operator_table_read_limit),
          "the new table fits the read limit");
    for (size_t i = 0; i < records.size(); ++i) {
        check(records[i].key == old_records[i].key, "keys stay in place, byte for byte");
        check(records[i].name == name, "every record carries the new name");
    }

    std::string read_back = result.table;
    read_back.resize(std::max(image.size(), read_back.size()), '\0');
    const rewrite_result again = rewrite_operator_table(read_back, name);
    check(again.status == rewrite_status::ok, "a new table is accepted again");
    check(again.table == result.table, "rewriting a new table again changes nothing");
}

void check_refusal_reason(const std::string& name, size_t count, const rewrite_result& result) {
    const size_t limit = operator_table_read_limit;
    const size_t longest = static_cast<size_t>(result.longest_name);
    check(result.longest_name >= 0 && result.longest_name <= operator_name_max,
          "longest_name is a length byte");
    check(longest == 0 || count * (5 + longest) <= limit, "longest_name fits");
    check(longest == static_cast<size_t>(operator_name_max) || count * (6 + longest) > limit,
          "longest_name is the longest that fits");
    const bool fits = !name.empty() && name.size() <= longest;
    check(fits == (result.status == rewrite_status::ok), "accepted exactly when the name fits");
    check(!name.empty() || result.status == rewrite_status::empty_name, "empty name refused");
}

const std::vector<operator_record> sheet_records = {
    {std::string("\x52\xF0\x10\x00", 4), "MTS"},
    {"\xFF\xFF\xFF\xFF", ""},
    {std::string("\x52\xF0\x10\x00", 4), "R\xE9seau \"2\""}};

// A file taken renames records and nothing else; the file written of them renames nothing.
void check_name_sheet(const std::string& sheet) {
    const name_sheet_result result =
        apply_name_sheet(sheet, "f", sheet_records, code_page_1252_of_utf8);
    if (!result.refusal.empty()) {
        check(result.refusal.rfind("f, line ", 0) == 0 && result.refusal.back() == '.',
              "a refusal names the file and the line");
        check(result.records.empty(), "a refusal gives no records");
        return;
    }
    check(result.records.size() == sheet_records.size(), "the records stay");
    size_t renamed = 0;
    for (size_t i = 0; i < sheet_records.size(); ++i) {
        check(result.records[i].key == sheet_records[i].key, "keys stay in place");
        renamed += result.records[i].name != sheet_records[i].name;
    }
    check(result.renamed == renamed, "renamed counts the names changed");
    const std::string again = format_name_sheet(result.records, utf8_of_code_page_1252);
    const name_sheet_result same =
        apply_name_sheet(again, "f", result.records, code_page_1252_of_utf8);
    check(same.refusal.empty() && same.renamed == 0, "a file written is taken as it is");
}

// A sequence of the Networks page's operations, a byte each, on the records, checked after each
// against the obvious rules: records, keys and order change only by a load; the renamed count is
// the rows whose name differs from the loaded one; the rows shown are those that hold the find
// text (a row renamed or undone since the last find or sort stays), each once; and at the end,
// undoing every step gives the names as loaded.
void check_model_operations(const std::vector<operator_record>& loaded, const std::string& steps) {
    networks_model model;
    model.letters = western_letters();
    load_networks(model, loaded);
    std::vector<bool> renamed_since(loaded.size(), false);
    for (const char step : steps) {
        const unsigned byte = static_cast<unsigned char>(step);
        std::vector<int> rows;
        for (size_t row = byte % 3; row < loaded.size(); row += 1 + byte % 5)
            rows.push_back(static_cast<int>(row));
        std::vector<operator_record> sheet = model.records;
        const std::vector<operator_record> before = model.records;
        bool filtered = true;  // the rows shown follow the find text again
        switch (byte % 8) {
            case 0:
                rename_networks(model, rows, std::string(1 + byte % 3, step));
                filtered = false;
                break;
            case 1:
                use_operator_names(model, rows);
                filtered = false;
                break;
            case 2:
                discard_renames(model);
                break;
            case 3:
                sort_networks_by(model, static_cast<int>(byte / 8 % network_column_count));
                break;
            case 4:
                for (int row : rows)
                    sheet[static_cast<size_t>(row)].name = step;
                rename_networks_after(model, sheet, "f");
                break;
            case 6:
                undo_names(model);
                filtered = false;
                break;
            case 7:
                redo_names(model);
                filtered = false;
                break;
            default:
                find_networks(model,
                              byte & 8 ? std::string(1, static_cast<char>(byte / 16 + 'A')) : "");
                break;
        }
        for (size_t row = 0; row < loaded.size(); ++row)
            renamed_since[row] =
                !filtered && (renamed_since[row] || model.records[row].name != before[row].name);
        check(renamed_network_count(model) == static_cast<size_t>(std::count_if(
                                                  loaded.begin(), loaded.end(),
                                                  [&](const operator_record& r) {
                                                      return model.records[&r - &loaded[0]].name !=
                                                             r.name;
                                                  })),
              "renamed counts the names changed");
        for (size_t row = 0; row < loaded.size(); ++row) {
            check(model.records[row].key == loaded[row].key, "keys and order stay");
            std::string text;
            for (int column = 0; column < 4; ++column)
                text += lower_case_text(model.letters,
                                        network_cell(model, static_cast<int>(row), column)) +
                        '\n';
            const long times =
                std::count(model.shown.begin(), model.shown.end(), static_cast<int>(row));
            check(times <= 1, "a row is shown once");
            check(renamed_since[row] ||
                      (times == 1) == (text.find(model.find_text) != std::string::npos),
                  "the shown rows hold the find text");
        }
    }
    while (undo_names(model) != nullptr) {
    }
    for (size_t row = 0; row < loaded.size(); ++row)
        check(model.records[row].name == loaded[row].name,
              "undoing every step gives the loaded names");
}

std::string make_input(size_t name_length, bool zero_fill, const std::string& name,
                       const std::string& image) {
    std::string input;
    input.push_back(static_cast<char>(name_length & 0xFF));
    input.push_back(static_cast<char>((name_length >> 8) | (zero_fill ? 0x80 : 0)));
    return input + name + image;
}

std::string record(const std::string& key, const std::string& name) {
    return key + static_cast<char>(name.size()) + name;
}

std::vector<std::string> seed_inputs() {
    const std::string key_with_zero("\x52\xF0\x10\x00", 4);
    std::string full_table;  // 1000 records of 20 bytes: exactly the read limit
    for (int i = 0; i < 1000; ++i) {
        full_table += record(key_with_zero, std::string(15, static_cast<char>('A' + i % 26)));
    }
    const std::string odd_records = record(std::string(4, '\0'), "") +
                                    record("\xFF\xFF\xFF\xFF", "") +
                                    record(key_with_zero, std::string(7, '\xFF'));
    const std::string super_line = "Super-Line";
    return {
        make_input(super_line.size(), true, super_line, record(key_with_zero, "abc")),
        make_input(super_line.size(), false, super_line, full_table),
        make_input(2, true, "\xFF\x01", odd_records),
        make_input(256, true, std::string(256, 'n'), record("KEY1", "abc")),
        make_input(1, false, "x", full_table.substr(0, 19990)),
        format_name_sheet(sheet_records, utf8_of_code_page_1252),
        "Key;Name on phone\n52f01000;\"a\"\"b\r\nc\"\r\n\nFFFFFFFF;\n",
    };
}

// Handles -make_seeds=DIR and turns it into libFuzzer's -seed_inputs=FILE,FILE,...
void make_seeds(int* argc, char*** argv) {
    static std::vector<std::string> args;
    static std::vector<char*> arg_pointers;
    const std::string flag = "-make_seeds=";
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        if (arg.compare(0, flag.size(), flag) == 0) {
            const std::filesystem::path dir = arg.substr(flag.size());
            std::filesystem::create_directories(dir);
            arg = "-seed_inputs=";
            const std::vector<std::string> seeds = seed_inputs();
            for (size_t s = 0; s < seeds.size(); ++s) {
                const std::filesystem::path file = dir / ("seed" + std::to_string(s));
                std::ofstream(file, std::ios::binary | std::ios::trunc) << seeds[s];
                arg += (s == 0 ? "" : ",") + file.string();
            }
        }
        args.push_back(arg);
    }
    for (std::string& arg : args) {
        arg_pointers.push_back(arg.data());
    }
    arg_pointers.push_back(nullptr);
    *argv = arg_pointers.data();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    make_seeds(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    check_name_sheet(std::string(reinterpret_cast<const char*>(data), size));
    if (size < 2) {
        return 0;
    }
    const size_t name_length = data[0] | ((data[1] & 1) << 8);
    const bool zero_fill = (data[1] & 0x80) != 0;
    const size_t name_bytes = std::min(name_length, size - 2);
    const std::string name(reinterpret_cast<const char*>(data) + 2, name_bytes);
    std::string image(reinterpret_cast<const char*>(data) + 2 + name_bytes, size - 2 - name_bytes);
    if (zero_fill && image.size() < static_cast<size_t>(operator_table_read_limit)) {
        image.resize(operator_table_read_limit, '\0');
    }

    const rewrite_result result = rewrite_operator_table(image, name);
    std::vector<operator_record> old_records;
    const bool parsed = parse_operator_table(image, old_records);
    check(result.status != rewrite_status::ok || !result.table.empty(), "ok gives a table");
    check(result.status == rewrite_status::ok || result.table.empty(), "refusals give no table");
    check(result.record_count == static_cast<int32_t>(old_records.size()), "record_count");
    if (!parsed) {
        check(result.status == rewrite_status::damaged, "a damaged image is refused");
        return 0;
    }
    if (old_records.empty()) {
        check(result.status == rewrite_status::no_table, "an image of no records is refused");
        return 0;
    }
    size_t old_length = 0;
    for (const operator_record& r : old_records) {
        old_length += 5 + r.name.size();
    }
    check(result.old_table_length == static_cast<int32_t>(old_length), "old_table_length");
    check(image.find_first_not_of('\0', old_length) == std::string::npos,
          "only zero bytes follow the table");
    check_refusal_reason(name, old_records.size(), result);
    if (old_records.size() <= 16)  // a few steps on a few records: the run stays short
        check_model_operations(old_records, name.substr(0, 16));
    if (result.status == rewrite_status::ok) {
        check_accepted(image, name, old_records, result);
    }
    return 0;
}
