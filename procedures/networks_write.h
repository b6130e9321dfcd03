// The Networks page's Write: the list's table to the phone, after a question, with a backup of
// the old table and a read-back check as Patch makes them.
#pragma once

void run_write();
