// The Networks page's Open... and Save as...: table files, through the system's file dialogs
// that start in the backup folder. Neither touches the phone.
#pragma once

// Open...: a table file chosen in the open dialog into the list.
#include "procedures/networks_page.h"

void run_open(networks_page& page);
// Save as...: the list's table, records only, to the file chosen in the save dialog.
void run_save_as(networks_page& page);
