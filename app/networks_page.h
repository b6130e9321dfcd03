// The "Networks" page of the main window: the network list and the buttons Read, Write,
// Open... and Save as... under it; and the handling of their events.
#pragma once

// Makes the page's controls (the page is the container) and shows the list's records: what a
// Read, Open..., a failed Patch or the question at start put there before the page was built.
void build_networks_page();

// Called for every control event of the window: takes the renames typed in the list, then
// runs the procedure of a button of the page. Other controls' events change nothing else.
void handle_networks_event(int control);
