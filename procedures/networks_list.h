// The table shown on the Networks page: one row a record, in table order, with the names as
// renamed. The page's procedures (networks_read, networks_write, networks_files) fill it and
// take it; each refusal and failure is a message box with "Failed." in the status bar, each
// success goes to the status bar.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// Forgets the table: the list is empty (the page has just been built).
void forget_networks();

// The records of the list, in its order, with the names as renamed.
const std::vector<operator_record>& network_records();

// Makes the records the list's table and shows them, none of them marked.
void show_network_records(std::vector<operator_record> records);
// Shows the list's records again, none of them marked (after a write or save).
void unmark_network_records();

// Gives the row's record the name and marks the row until the table is written or saved.
// An empty name or the name the record has changes nothing; a name over 255 bytes is refused.
void rename_network(int row, const std::string& name);

// The number of rows showing "*": renamed, not yet written or saved.
size_t renamed_network_count();

// The renames typed in the list and not yet taken, applied in order.
void take_renames();

// False after the refusal (the line, then "Read the phone's table or open a table file first.")
// when the list is empty.
bool have_network_records(const std::string& refusal);

// "N networks".
std::string networks_text(size_t count);
