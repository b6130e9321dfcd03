// Ctrl+C in a list view: the selected rows onto the clipboard as plain text (CF_TEXT), for a
// spreadsheet or a message: a line of column headers, then one line a row in the order shown,
// cells as shown without the mark, separated by tabs; lines separated by CR LF.
#pragma once

#include <windows.h>

void copy_selected_rows(HWND list);
