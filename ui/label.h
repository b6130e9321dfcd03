// Labels and frames: static texts with no state, and boxes that group other controls.
// Each returns the control's platform handle, 0 when it could not be made.
#pragma once

#include <string>

#include "ui/window_handle.h"

// Label flag asking for a sunken edge.
constexpr int label_flag_sunken = 0x20000;

window_handle create_label(int number, int x, int y, int width, int height,
                           const std::string& text);
// Static-control style bits in the flags are added to the label's style.
window_handle create_label_with_flags(int number, int x, int y, int width, int height,
                                      const std::string& text, int flags);

// Frame 0: a captioned group box (a button with the check state); 1: a centred-text
// static box with a sunken edge; any other value: the same box with a static edge.
window_handle create_frame(int number, int x, int y, int width, int height, const std::string& text,
                           int flag);
