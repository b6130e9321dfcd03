// Buttons: push buttons, check boxes and options (radio buttons). Their state is the
// check state. Each returns the control's platform handle, 0 when it could not be made.
#pragma once

#include <string>

#include "ui/window_handle.h"

window_handle create_button(int number, int x, int y, int width, int height,
                            const std::string& text);
// Button style bits in the flags are added to the push button's style.
window_handle create_button_with_flags(int number, int x, int y, int width, int height,
                                       const std::string& text, int flags);
window_handle create_check_box(int number, int x, int y, int width, int height,
                               const std::string& text, int flags);
// The first option created after any other control starts a new group; the options
// created right after it join that group.
window_handle create_option(int number, int x, int y, int width, int height,
                            const std::string& text);
