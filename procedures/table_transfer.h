// The steps Patch and the Networks page's Read and Write share: the phone's table read with its
// refusals, the backup of the old table, and the write with its read-back check. Each refusal
// and failure tells the user (a message box and "Failed." in the status bar, as the steps'
// callers promise) and leaves the phone as it was.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"
#include "phone/phone_table.h"

// How the messages name the phone's table: ''/a/plmn_text_table.bin''.
extern const std::string phone_table_name;

// False, with the status "Phone is not connected, can't " + action, when the phone does not
// answer.
bool phone_connected(const std::string& action);

// The refusal of a table longer than the read.
void refuse_longer_table();

// The refusals of an image without records (no_table) or with a record that runs past its end
// (damaged); nothing for other statuses.
void refuse_table(rewrite_status status);

// The records of a whole read; false after telling the user why there are none.
bool records_of_read(const table_read& read, std::vector<operator_record>& records);

// Saves the old table as a backup; false after telling the user that nothing was written.
bool back_up_table(const std::string& old_table, std::string& backup_path);

// Writes the table to the phone through memory block 1 and reads it back through block 2;
// false after telling the user (naming the backup when the phone's table may be lost).
bool write_table(const std::string& table, const std::string& backup_path);
