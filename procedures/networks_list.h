// The Networks page's list: the page's one model (phone/networks_model.h) and the list view that
// shows it. Every change to the list goes through the model first; the list view is then told
// which rows to show and draws what the model says. The page's procedures (networks_read,
// networks_write, networks_files, networks_sheet) fill it and take it; each refusal and failure
// is a message box with "Failed." in the status bar, each success goes to the status bar.
#pragma once

#include <string>
#include <vector>

#include "phone/networks_model.h"

// The page's model. Its records are the table, in table order, with the names as renamed.
networks_model& networks();

// Forgets the table: the list is empty (the window has just been built).
void forget_networks();

// The list view shows the model from now on (the page has just been built).
void attach_network_list();

// New records into the model and the list, none of them renamed.
void show_network_records(std::vector<operator_record> records);
// The names as they are now count as written or saved: no row is marked any more.
void unmark_network_records();
// The model's rows, marks and order changed: the list shows them, with "N of M" beside the
// find box.
void show_networks();

// The renames typed in the list and not yet taken, applied in order; an edit that names
// several rows says "Renamed N networks." in the status bar, as does one that changed a name.
void take_renames();

// Before the window closes: a name still in the editor counts as a rename; with renamed rows,
// asks whether to discard them (No is the default). True when nothing would be lost or the user
// answered Yes.
bool may_discard_renames();
// Before the list's names are replaced: asks as may_discard_renames, and Yes puts every name back
// as it was read, opened, written or saved.
bool put_back_renames();

// False after the refusal (the line, then "Read the phone's table or open a table file first.")
// when the list is empty.
bool have_network_records(const std::string& refusal);

// The list's context menu (a right click, Shift+F10, the menu key) and its commands: Rename,
// Use operator names, Copy, Select all.
void run_network_menu();
// Ctrl+C: the selected rows as text on the clipboard.
void copy_networks();
