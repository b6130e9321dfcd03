// How wide a text is drawn, in 96-DPI units rounded up: the room a layout gives a control so
// that its text shows whole at the layout DPI.
#pragma once

#include <string>

// In the font controls get (and have, after the last change of DPI or language): the room a
// control's text will need, also before the control or its window is made.
int text_width(const std::string& text);

// Whether the status bars keep their own font (at 96 DPI with the stock font), so that a text
// in their type can be measured only once a bar is there.
bool status_bars_keep_their_font();
