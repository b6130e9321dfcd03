// Host-side helper for the simulated phone: makes an operator table from a list of
// networks and prints a table one record a line as country code, network code and name.
//
//   operator_table_tool make LIST TABLE   list lines "MCC MNC Name" ('#' starts a comment)
//   operator_table_tool print TABLE
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "phone/operator_table.h"

namespace {

bool read_file(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool all_digits(const std::string& s) {
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The key holds the codes as swapped BCD digits, F where a two-digit network code has no
// third digit: 250/01 is 52 F0 10, then one byte 00.
std::string encode_key(const std::string& mcc, const std::string& mnc) {
    auto digit = [](char c) { return static_cast<unsigned>(c - '0'); };
    unsigned mnc3 = mnc.size() == 3 ? digit(mnc[2]) : 0xF;
    std::string key(4, '\0');
    key[0] = static_cast<char>(digit(mcc[1]) << 4 | digit(mcc[0]));
    key[1] = static_cast<char>(mnc3 << 4 | digit(mcc[2]));
    key[2] = static_cast<char>(digit(mnc[1]) << 4 | digit(mnc[0]));
    return key;
}

std::string decode_digits(const std::string& key, bool network) {
    auto nib = [&](int byte, bool high) {
        unsigned b = static_cast<unsigned char>(key[byte]);
        return high ? b >> 4 : b & 0xF;
    };
    unsigned d[3];
    if (network) {
        d[0] = nib(2, false), d[1] = nib(2, true), d[2] = nib(1, true);
    } else {
        d[0] = nib(0, false), d[1] = nib(0, true), d[2] = nib(1, false);
    }
    std::string out;
    for (unsigned v : d) {
        if (v == 0xF)
            continue;
        out += v < 10 ? static_cast<char>('0' + v) : '?';
    }
    return out;
}

int make_table(const char* list_path, const char* table_path) {
    std::string list;
    if (!read_file(list_path, list)) {
        std::fprintf(stderr, "can't read %s\n", list_path);
        return 1;
    }
    std::istringstream lines(list);
    std::string line, table;
    int line_number = 0;
    while (std::getline(lines, line)) {
        ++line_number;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string mcc, mnc, name;
        fields >> mcc >> mnc;
        std::getline(fields >> std::ws, name);
        if (mcc.size() != 3 || !all_digits(mcc) || mnc.size() < 2 || mnc.size() > 3 ||
            !all_digits(mnc) || name.empty() || name.size() > 255) {
            std::fprintf(stderr, "%s:%d: expected \"MCC MNC Name\"\n", list_path, line_number);
            return 1;
        }
        table += encode_key(mcc, mnc);
        table += static_cast<char>(name.size());
        table += name;
    }
    std::ofstream out(table_path, std::ios::binary | std::ios::trunc);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
    return out ? 0 : 1;
}

int print_table(const char* table_path) {
    std::string bytes;
    if (!read_file(table_path, bytes)) {
        std::fprintf(stderr, "can't read %s\n", table_path);
        return 1;
    }
    std::vector<operator_record> records;
    if (!parse_operator_table(bytes, records)) {
        std::fprintf(stderr, "%s doesn't look like an operator table\n", table_path);
        return 1;
    }
    for (const operator_record& r : records)
        std::printf("%-3s %-3s %s\n", decode_digits(r.key, false).c_str(),
                    decode_digits(r.key, true).c_str(), r.name.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "make" && argc == 4)
        return make_table(argv[2], argv[3]);
    if (command == "print" && argc == 3)
        return print_table(argv[2]);
    std::fprintf(stderr, "usage: %s make LIST TABLE | print TABLE\n", argv[0]);
    return 2;
}
