// The steps Patch and the Networks page's Read and Write share: the phone's table read with its
// refusals, the backup of the old table, and the write with its read-back check. Each refusal
// and failure tells the user (a message box and "Failed." in the status bar, as the steps'
// callers promise) and leaves the phone as it was.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "phone/operator_table.h"
#include "phone/phone_table.h"
#include "texts/program_texts.h"

// How the messages name the phone's table: ''/a/plmn_text_table.bin''.
extern const std::string phone_table_name;

// False, with the status refusal (one of the "Phone is not connected" texts), when the phone
// does not answer.
bool phone_connected(text_id refusal);

// The refusal of a table longer than the read.
void refuse_longer_table();

// The refusals of an image without records (no_table) or with a record that runs past its end
// (damaged), with way_back as their last line when given; nothing for other statuses.
void refuse_table(rewrite_status status, const std::string& way_back = "");

// The records of a whole read; false after telling the user why there are none.
bool records_of_read(const table_read& read, std::vector<operator_record>& records);

// The backup of the phone's table made before a write.
struct old_table_backup {
    std::string path;   // its full path; empty when the phone had nothing to keep
    bool whole = true;  // false: the bytes of a damaged table (...-damaged.bin)
};

// Saves the old table (whole, or the bytes of a damaged one) as a backup; false after telling
// the user that nothing was written.
bool back_up_table(const std::string& old_table, bool whole, old_table_backup& backup);

// Writes the table to the phone through memory block 1 and reads it back through block 2;
// false after telling the user (naming the backup when there is one, and ending with the line
// way_back gives when the table did not read back right). A whole backup is named in
// backup\unfinished-write.txt before the phone's table is deleted, unless a write before this
// one left that file; the file goes once the table reads back right.
bool write_table(const std::string& table, const old_table_backup& backup,
                 const std::function<std::string()>& way_back);
