// The platform's open and save dialogs for one or more kinds of file, owned by a window of the
// program. Each returns the full path chosen, or the empty text when the user cancelled
// (or the dialog could not be shown). The program's current folder stays as it was.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/window_handle.h"

struct file_kind {
    std::string description;  // "Operator tables (*.bin)"
    std::string pattern;      // "*.bin"
    std::string extension;    // "bin": added to a name typed without one when saving
};

// Only an existing file can be chosen.
std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const file_kind& kind);

// The dialog asks before an existing file is chosen.
std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const file_kind& kind);

// The same with a choice of kinds, the first one chosen to begin with. kind receives the kind of
// the path: the one whose extension it has, else the one chosen in the dialog.
std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind);
std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind);
