// The table tool's commands for people: list, check, rename-all, rename, export, import and
// use-operator-names.
// Each returns the program's exit status (0 done, 1 refused or failed), prints its result on
// stdout and its refusals on stderr. Written files never replace an existing file; written
// tables hold the records only, without zero fill.
#pragma once

#include <string>
#include <vector>

int list_command(const std::string& file);
int check_command(const std::string& file);
int rename_all_command(const std::string& file, const std::string& name, const std::string& out);
int rename_command(const std::string& file, const std::string& network, const std::string& name,
                   const std::string& out);

// The table's names as a spreadsheet file (see phone/name_sheet.h), names in code page 1252.
int export_command(const std::string& file, const std::string& out);
// The table renamed after the spreadsheet file, written to out.
int import_command(const std::string& file, const std::string& sheet_file, const std::string& out);

// The networks of the codes (an MCC like 250: every network of the country; an MCC-MNC like
// 250-01; none: every network) named after their operators in the network data, written to out.
int use_operator_names_command(const std::string& file, const std::string& out,
                               const std::vector<std::string>& codes);
