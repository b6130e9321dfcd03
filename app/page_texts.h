// The lines of the read-only text boxes on the "Help-n-About" and "License" pages.
// Each line is shown followed by CR LF, except the last one of each list.
#pragma once

#include <string>
#include <vector>

// In the language in use; the License stays English: it is the licence.
std::vector<std::string> about_page_lines();
const std::vector<std::string>& license_page_lines();
