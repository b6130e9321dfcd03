// The Networks page's Read: the phone's table, read as Patch reads it, into the list.
#pragma once

#include "procedures/networks_page.h"

void run_read(networks_page& page);
