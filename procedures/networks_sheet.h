// The Networks page's spreadsheet files: the list's names saved as a CSV file for a spreadsheet
// program, and such a file opened to rename the list's records (it never changes which records
// the table has, nor their order or keys).
#pragma once

#include <string>

#include "phone/networks_model.h"

// Saves the list's records, in table order, to the file, whole or not at all; false when it
// could not.
bool save_network_sheet(const networks_model& model, const std::string& path);

// Renames the list's records after the file (a step that can be undone), or refuses it with the
// list left as it was.
void open_network_sheet(networks_model& model, const std::string& path);
