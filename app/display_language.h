// Windows' display languages, in the user's order ("ru-RU", "en-US"): the languages of the
// user interface, never the regional format.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> windows_display_languages();
