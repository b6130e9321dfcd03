// At start: a write to the phone that never finished (backup\unfinished-write.txt is there) is
// told to the user, with the backup of the table the phone had before it, loaded on the
// Networks page when the user wants it back. Nothing shows without that file.
#pragma once

void check_unfinished_write();
