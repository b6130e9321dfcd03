// The Networks page's Write: the list's table to the phone, after a question, with a backup of
// the old table and a read-back check as Patch makes them. It is also the way back after a write
// that was cut off: a phone with no table, an empty one or a damaged one is read a second time,
// and when both reads agree the user is asked whether to write anyway (the bytes of a damaged
// table are kept in a backup first). After a failed check the list keeps what was to be written.
#pragma once

#include "procedures/networks_page.h"

void run_write(networks_page& page);
