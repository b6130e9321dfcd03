// The Networks page as the procedures behind its buttons see it: the model the page shows, and
// the one thing they ask of its list. The page shows every change of the model by itself; the
// procedures tell the user through status_and_messages (a refusal or failure is a message box
// with "Failed." in the status bar, a success goes to the status bar).
#pragma once

#include <string>

#include "phone/networks_model.h"

class networks_page {
public:
    // Its records are the table, in table order, with the names as renamed.
    virtual networks_model& model() = 0;
    // The names typed in the list and not yet taken, a name still in its editor among them,
    // become renames.
    virtual void take_typed_names() = 0;

protected:
    ~networks_page() = default;
};

// Before the window closes: with renamed rows, asks whether to discard them (No is the default).
// True when nothing would be lost or the user answered Yes.
bool may_discard_renames(networks_page& page);
// Before the list's names are replaced: asks as may_discard_renames, and Yes puts every name back
// as it was read, opened, written or saved (a step that can be undone).
bool put_back_renames(networks_page& page);

// False after the refusal (the line, then "Read the phone's table or open a table file first.")
// when the list is empty.
bool have_network_records(const networks_model& model, const std::string& refusal);
