// The tool's commands on operator tables, with the window program's table code and network
// database.
#include "tools/table_commands.h"

#include <cstdio>
#include <vector>

#include "phone/name_sheet.h"
#include "phone/network_code.h"
#include "phone/network_names.h"
#include "phone/networks_model.h"
#include "phone/operator_table.h"
#include "runtime/code_page_1252.h"
#include "tools/console_text.h"
#include "tools/file_bytes.h"

namespace {

int refuse(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

void print_line(const std::string& ansi) {
    std::printf("%s\n", console_of_ansi(ansi).c_str());
}

// The file's records; false (after the message) when it can't be read or is no table: a
// record runs past its end, or it holds no record at all.
bool read_table(const std::string& file, std::vector<operator_record>& records) {
    std::string bytes, error;
    if (!read_file_bytes(file, bytes, error)) {
        refuse(error);
        return false;
    }
    if (!parse_operator_table(bytes, records)) {
        const size_t at = format_operator_table(records).size();
        refuse(file + " doesn't look like operator table: the record at byte " +
               std::to_string(at) + " runs past its end.");
        return false;
    }
    if (records.empty()) {
        refuse(file + " doesn't look like operator table: it holds no records.");
        return false;
    }
    return true;
}

// The name argument as the phone's bytes, or the reason it can't be one.
std::string name_of_argument(const std::string& argument, std::string& name) {
    if (!ansi_of_console(argument, name))
        return "The name has characters that Windows code page 1252 lacks.";
    if (name.empty())
        return "The name is empty.";
    if (name.size() > static_cast<size_t>(operator_name_max))
        return "The name is " + std::to_string(name.size()) + " bytes, the phone takes at most " +
               std::to_string(operator_name_max) + ".";
    return std::string();
}

int write_new_file(const std::string& out, const std::string& bytes) {
    std::string error;
    if (!write_new_file_bytes(out, bytes, error))
        return refuse(error + ". Nothing was written.");
    return 0;
}

int write_table(const std::vector<operator_record>& records, const std::string& out) {
    const std::string too_big = table_size_refusal(records);
    if (!too_big.empty())
        return refuse(too_big + " Nothing was written.");
    return write_new_file(out, format_operator_table(records));
}

std::string hex_byte(unsigned byte) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0xF]};
}

// Control bytes would break the line and its columns: they show as \xNN.
std::string printable(const std::string& name) {
    std::string out;
    for (const char byte : name) {
        const unsigned b = static_cast<unsigned char>(byte);
        out += b < 0x20 || b == 0x7F ? "\\x" + hex_byte(b) : std::string(1, byte);
    }
    return out;
}

}  // namespace

int list_command(const std::string& file) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    for (const operator_record& record : records) {
        const std::string network = network_code_of_key(record.key);
        print_line(printable(record.name) + '\t' + network + '\t' + network_country(network) +
                   '\t' + network_operator(network) + '\t' + key_text(record.key));
    }
    return 0;
}

int check_command(const std::string& file) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    const std::string too_big = table_size_refusal(records);
    if (!too_big.empty())
        return refuse(file + ": " + too_big);
    const size_t size = format_operator_table(records).size();
    std::printf("%s: operator table of %s networks, %s bytes.\n", file.c_str(),
                std::to_string(records.size()).c_str(), std::to_string(size).c_str());
    return 0;
}

int rename_all_command(const std::string& file, const std::string& name, const std::string& out) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    std::string new_name;
    const std::string bad_name = name_of_argument(name, new_name);
    if (!bad_name.empty())
        return refuse(bad_name);
    for (operator_record& record : records)
        record.name = new_name;
    if (write_table(records, out) != 0)
        return 1;
    std::printf("Renamed %s networks into %s.\n", std::to_string(records.size()).c_str(),
                out.c_str());
    return 0;
}

int rename_command(const std::string& file, const std::string& network, const std::string& name,
                   const std::string& out) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    if (key_of_network_code(network).empty())
        return refuse(network + " is not a network code such as 250-01 or 310-260.");
    std::string new_name;
    const std::string bad_name = name_of_argument(name, new_name);
    if (!bad_name.empty())
        return refuse(bad_name);
    size_t renamed = 0;
    for (operator_record& record : records) {
        if (network_code_of_key(record.key) == network) {
            record.name = new_name;
            ++renamed;
        }
    }
    if (renamed == 0)
        return refuse(file + " holds no network " + network + ". Nothing was written.");
    if (write_table(records, out) != 0)
        return 1;
    std::printf("Renamed %s of %s networks into %s.\n", std::to_string(renamed).c_str(),
                std::to_string(records.size()).c_str(), out.c_str());
    return 0;
}

int export_command(const std::string& file, const std::string& out) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    if (write_new_file(out, format_name_sheet(records, utf8_of_code_page_1252)) != 0)
        return 1;
    std::printf("Exported %s networks to %s.\n", std::to_string(records.size()).c_str(),
                out.c_str());
    return 0;
}

int import_command(const std::string& file, const std::string& sheet_file, const std::string& out) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    std::string sheet, error;
    if (!read_file_bytes(sheet_file, sheet, error))
        return refuse(error);
    const name_sheet_result named =
        apply_name_sheet(sheet, sheet_file, records, code_page_1252_of_utf8);
    if (!named.refusal.empty())
        return refuse(named.refusal + " Nothing was written.");
    if (write_table(named.records, out) != 0)
        return 1;
    std::printf("Renamed %s of %s networks into %s.\n", std::to_string(named.renamed).c_str(),
                std::to_string(records.size()).c_str(), out.c_str());
    return 0;
}

int use_operator_names_command(const std::string& file, const std::string& out,
                               const std::vector<std::string>& codes) {
    std::vector<operator_record> records;
    if (!read_table(file, records))
        return 1;
    for (const std::string& code : codes) {
        const bool mcc = code.size() == 3 && !key_of_network_code(code + "-00").empty();
        if (!mcc && key_of_network_code(code).empty())
            return refuse(code + " is not a network code (MCC or MCC-MNC). Nothing was written.");
    }
    std::vector<int> rows;
    for (size_t row = 0; row < records.size(); ++row) {
        const std::string network = network_code_of_key(records[row].key);
        bool chosen = codes.empty();
        for (const std::string& code : codes)
            chosen = chosen || network == code || network.rfind(code + "-", 0) == 0;
        if (chosen)
            rows.push_back(static_cast<int>(row));
    }
    // As the window's Use operator names does it, in the letters of code page 1252.
    networks_model model;
    model.letters = western_letters();
    load_networks(model, records);
    const size_t named = use_operator_names(model, rows).named;
    if (write_table(model.records, out) != 0)
        return 1;
    std::printf("Named %s of %s networks into %s.\n", std::to_string(named).c_str(),
                std::to_string(records.size()).c_str(), out.c_str());
    return 0;
}
