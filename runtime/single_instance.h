// One running copy of the program in a Windows session: the first start claims a named mutex,
// which the system releases when that process ends, however it ends.
#pragma once

#include <string>

// True for the first claim of the name in this session (this process then holds it until it
// ends); false while another process holds it.
bool claim_single_instance(const std::string& name);
