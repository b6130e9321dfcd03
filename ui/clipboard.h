// The clipboard: a text put on it as plain text (CF_TEXT), for a spreadsheet or a message.
#pragma once

#include <string>

#include "ui/window_handle.h"

void put_text_on_clipboard(window_handle owner, const std::string& text);
