// The Networks page's Read: the phone's table, read as Patch reads it, into the list.
#pragma once

void run_read();
