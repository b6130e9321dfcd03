// backup\unfinished-write.txt beside the program: written before the phone's table is deleted and
// removed once the new table has read back right, so that a write cut off by a crash, a killed
// program or a power cut is found at the next start. Its one line names the backup of the last
// whole table the phone had; a later write keeps that name while the file is there.
#pragma once

#include <string>

enum class unfinished_write_state { none, found, unreadable };

struct unfinished_write {
    unfinished_write_state state = unfinished_write_state::none;
    std::string path;         // the file's own full path
    std::string backup_path;  // found: the full path of the backup it names
};

// Whether the file is there, and the backup it names.
unfinished_write find_unfinished_write();

// Names the backup (a full path in the backup folder) in the file unless the file is there
// already; flushed to the disk as the backups are. False when it could not be written.
bool mark_unfinished_write(const std::string& backup_path);

// Removes the file, if any.
void clear_unfinished_write();
