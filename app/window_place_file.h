// Window.ini beside the program: the main window opens where and as large as it was left, and
// the Networks list keeps its column widths. Sett.ings keeps its own two lines.
#pragma once

#include <string>

// At start, before the window shows: the place kept, if it is mostly on a screen that is there;
// else centred at the kept size where that fits. Without the file, or with one that is damaged,
// the window opens as it always did.
void place_main_window();

// At the end, before the window goes, and when the language is chosen: the place, the column
// widths and the language setting, written whole or not at all (a folder that can't be written
// loses only them).
void keep_main_window_place();

// The file's language= setting: "auto" without the file or the line.
std::string kept_language();
