// Tab and Shift+Tab: move the keyboard focus between the enabled, visible controls with
// the tab-stop style of the active window, tab pages included, wrapping at both ends.
#pragma once

void focus_next_control();
void focus_previous_control();
