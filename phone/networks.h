// The Networks page's procedures: the table shown in the network list (one row a record, in
// table order), read from the phone, renamed row by row, written to the phone, opened from a
// file and saved to one. Each refusal and failure is a message box with "Failed." in the
// status bar; each success goes to the status bar.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// Forgets the table: the list is empty (the page has just been built).
void forget_networks();

// The records of the list, in its order, with the names as renamed.
const std::vector<operator_record>& network_records();

// Gives the row's record the name and marks the row until the table is written or saved.
// An empty name or the name the record has changes nothing; a name over 255 bytes is refused.
void rename_network(int row, const std::string& name);

// The renames typed in the list and not yet taken, applied in order.
void take_renames();

// Read: the phone's table, read as Patch reads it, into the list.
void run_read();
// Write: the list's table to the phone, after a question, with a backup of the old table and
// a read-back check as Patch makes them.
void run_write();
// Open...: a table file chosen in the open dialog (starting in the backup folder) into the list.
void run_open();
// Save as...: the list's table, records only, to the file chosen in the save dialog.
void run_save_as();

// The list's cells of a record: name, network code, country, operator, key in hex.
std::vector<std::string> network_row(const operator_record& record);
