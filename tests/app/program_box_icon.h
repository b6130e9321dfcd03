// Which icon a message box of another process shows. The icon's handle means nothing outside
// the process that loaded it, so the box's icon is read from the screen and compared with the
// three system icons drawn here on the same background.
#pragma once

#include <windows.h>

// 0x10 (stop), 0x30 (exclamation) or 0x40 (information): the icon the box shows; 0 when the
// box has no icon or none of the three matches before a short deadline.
int recognise_box_icon(HWND box);
