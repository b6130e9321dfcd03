// Patch: reads the operator table from the phone, gives every network the name in the
// name field, keeps a backup of the old table, writes the new one and reads it back.
#pragma once

void run_patch();
