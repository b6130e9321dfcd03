// Names of countries and mobile networks by their codes, from a table that the build generates
// out of Debian's mobile-broadband-provider-info (operators) and iso-codes (country names).
// Pure code: the data is compiled in.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// The country of the code's MCC ("250-01" or "250"); empty when unknown.
std::string network_country(const std::string& network_code);
// An operator of the network "MCC-MNC"; empty when unknown.
std::string network_operator(const std::string& network_code);

// The columns a record is shown with: name on phone, network code, country, operator, key in hex.
std::vector<std::string> network_row(const operator_record& record);
