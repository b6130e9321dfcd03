// Patch: reads the operator table from the phone, gives every network the name in the
// name field, keeps a backup of the old table, writes the new one and reads it back. It refuses
// while a write cut off before is not yet put right, and when the phone has no whole table (the
// message then names the way back); after a failed read-back the backup goes into the Networks
// list, unless the list holds renames not yet written or saved.
#pragma once

#include "phone/networks_model.h"

// networks: the Networks page's model.
void run_patch(networks_model& networks);
