// The Networks page's Read: the phone's table, read as Patch reads it, into the list.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

void run_read();

// The phone's table read as Patch reads it, with its connection checks before and after and
// its refusals; false after telling the user ("... can't " + action when not connected).
bool read_phone_records(const std::string& action, std::vector<operator_record>& records);
