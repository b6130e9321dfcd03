// The network tables that the build generates with scripts/make-network-database (the source
// lands in the build folder). Names are zero-terminated texts in the Windows ANSI code page
// (1252) in one pool, found by their offset; both tables are sorted by their codes.
#pragma once

#include <cstddef>
#include <cstdint>

extern const char network_name_pool[];

// Countries by MCC: the MCCs ascending and, at the same index, the country's name.
extern const uint16_t network_country_mccs[];
extern const uint16_t network_country_names[];
extern const size_t network_country_count;

// Operators by network number (MCC * 10000 + MNC, plus 1000 for a three-digit MNC, so that
// "01" and "001" differ): the numbers ascending and, at the same index, the operator's name.
extern const uint32_t network_operator_numbers[];
extern const uint16_t network_operator_names[];
extern const size_t network_operator_count;
