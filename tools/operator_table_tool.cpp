// The operator table tool: the Networks page's work on table files, for people without
// Windows (and on Windows, as a console program). See README.md, "The table tool".
//
//   operator_table_tool list FILE
//   operator_table_tool check FILE
//   operator_table_tool rename-all FILE NAME OUT
//   operator_table_tool rename FILE MCC-MNC NAME OUT
//   operator_table_tool export FILE OUT
//   operator_table_tool import FILE SHEET OUT
//   operator_table_tool use-operator-names FILE OUT [CODE...]
// and two commands for the demo and tests:
//   operator_table_tool make LIST TABLE   lines "MCC MNC Name" ('#' starts a comment)
//   operator_table_tool print TABLE       one record a line: MCC, MNC, name
#include <cstdio>
#include <string>
#include <vector>

#include "phone/network_code.h"
#include "phone/operator_table.h"
#include "tools/file_bytes.h"
#include "tools/table_commands.h"

namespace {

const char usage[] =
    "usage: operator_table_tool COMMAND ARGUMENTS\n"
    "  list FILE                     the table's networks, one a line, tab-separated:\n"
    "                                name on phone, network, country, operator, key\n"
    "  check FILE                    exit status 0 for a table the phone takes, else 1\n"
    "  rename-all FILE NAME OUT      every network named NAME, written to the new file OUT\n"
    "  rename FILE MCC-MNC NAME OUT  the network MCC-MNC (each record of it) named NAME,\n"
    "                                written to the new file OUT\n"
    "  export FILE OUT               the names as a spreadsheet (CSV) file, written to the new\n"
    "                                file OUT: name on phone, network, country, operator, key\n"
    "  import FILE SHEET OUT         the networks named as the spreadsheet file SHEET says\n"
    "                                (by key), written to the new file OUT\n"
    "  use-operator-names FILE OUT [CODE...]\n"
    "                                the networks of each CODE (an MCC like 250, or an\n"
    "                                MCC-MNC like 250-01; none: every network) named after\n"
    "                                their operators, written to the new file OUT\n"
    "  make LIST TABLE               a table from lines \"MCC MNC Name\" (replaces TABLE)\n"
    "  print TABLE                   one record a line: MCC, MNC, name\n";

// The next field of the line from at, skipping the blanks before it.
std::string next_field(const std::string& line, size_t& at) {
    const size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos) {
        at = line.size();
        return std::string();
    }
    at = line.find_first_of(" \t", start);
    if (at == std::string::npos)
        at = line.size();
    return line.substr(start, at - start);
}

int make_table(const std::string& list_path, const std::string& table_path) {
    std::string list, error;
    if (!read_file_bytes(list_path, list, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<operator_record> records;
    size_t line_start = 0;
    for (int line_number = 1; line_start < list.size(); ++line_number) {
        size_t line_end = list.find('\n', line_start);
        if (line_end == std::string::npos)
            line_end = list.size();
        std::string line = list.substr(line_start, line_end - line_start);
        line_start = line_end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        size_t at = 0;
        const std::string mcc = next_field(line, at);
        const std::string mnc = next_field(line, at);
        const size_t name_start = line.find_first_not_of(" \t", at);
        const std::string name = name_start == std::string::npos ? "" : line.substr(name_start);
        const std::string key = key_of_network_code(mcc + '-' + mnc);
        if (key.empty() || name.empty() || name.size() > static_cast<size_t>(operator_name_max)) {
            std::fprintf(stderr, "%s:%d: expected \"MCC MNC Name\"\n", list_path.c_str(),
                         line_number);
            return 1;
        }
        records.push_back({key + '\0', name});
    }
    if (!write_file_bytes(table_path, format_operator_table(records), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

int print_table(const std::string& table_path) {
    std::string bytes, error;
    if (!read_file_bytes(table_path, bytes, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<operator_record> records;
    if (!parse_operator_table(bytes, records)) {
        std::fprintf(stderr, "%s doesn't look like operator table.\n", table_path.c_str());
        return 1;
    }
    for (const operator_record& r : records) {
        const std::string code = network_code_of_key(r.key);
        const std::string mcc = code.empty() ? "?" : code.substr(0, 3);
        const std::string mnc = code.empty() ? "?" : code.substr(4);
        std::printf("%-3s %-3s %s\n", mcc.c_str(), mnc.c_str(), r.name.c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string command = args.empty() ? "" : args[0];
    const size_t count = args.size();
    if (command == "list" && count == 2)
        return list_command(args[1]);
    if (command == "check" && count == 2)
        return check_command(args[1]);
    if (command == "rename-all" && count == 4)
        return rename_all_command(args[1], args[2], args[3]);
    if (command == "rename" && count == 5)
        return rename_command(args[1], args[2], args[3], args[4]);
    if (command == "export" && count == 3)
        return export_command(args[1], args[2]);
    if (command == "import" && count == 4)
        return import_command(args[1], args[2], args[3]);
    if (command == "use-operator-names" && count >= 3)
        return use_operator_names_command(args[1], args[2], {args.begin() + 3, args.end()});
    if (command == "make" && count == 3)
        return make_table(args[1], args[2]);
    if (command == "print" && count == 2)
        return print_table(args[1]);
    std::fputs(usage, stderr);
    return 2;
}
