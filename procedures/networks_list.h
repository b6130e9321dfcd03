// The table shown on the Networks page: one row a record, with the names as renamed; the table
// keeps table order whatever the page shows (networks_view). The page's procedures
// (networks_read, networks_write, networks_files) fill it and take it; each refusal and failure
// is a message box with "Failed." in the status bar, each success goes to the status bar.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// Forgets the table: the list is empty (the page has just been built).
void forget_networks();

// The records of the table, in table order, with the names as renamed.
const std::vector<operator_record>& network_records();

// Makes the records the list's table and shows them, none of them marked.
void show_network_records(std::vector<operator_record> records);
// The names as they are now count as written or saved: no row is marked any more.
void unmark_network_records();

// Gives the row's record the name; the row is marked while its name differs from the one it
// had when last read, opened, written or saved. An empty name or the name the record has
// changes nothing (false); a name over 255 bytes is refused.
bool rename_network(int row, const std::string& name);

// The renames typed in the list and not yet taken, applied in order; an edit that names
// several rows says "Renamed N networks." in the status bar, as does one that changed a name.
void take_renames();

// The number of rows showing "*": renamed, not yet written or saved.
size_t renamed_network_count();

// Before the list's table is replaced or the window closes: a name still in the editor counts
// as a rename; with renamed rows, asks whether to discard them (No is the default). True when
// nothing would be lost or the user answered Yes.
bool may_discard_renames();

// False after the refusal (the line, then "Read the phone's table or open a table file first.")
// when the list is empty.
bool have_network_records(const std::string& refusal);

// "1 network", "N networks".
std::string networks_text(size_t count);
