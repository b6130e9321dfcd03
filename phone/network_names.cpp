// Lookups in the generated network tables (phone/network_data.h): binary searches over the
// sorted codes, the names taken from the pool.
#include "phone/network_names.h"

#include <algorithm>

#include "phone/network_code.h"
#include "phone/network_data.h"

namespace {

int digits_value(const std::string& text, size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool is_network_code(const std::string& code) {
    return !key_of_network_code(code).empty();
}

// Matches network_number() in scripts/make-network-database.
uint32_t network_number(const std::string& code) {
    const size_t mnc_digits = code.size() - 4;
    return static_cast<uint32_t>(digits_value(code, 0, 3) * 10000 + (mnc_digits == 3 ? 1000 : 0) +
                                 digits_value(code, 4, mnc_digits));
}

template <typename Code>
std::string name_of(const Code* codes, const uint16_t* names, size_t count, Code wanted) {
    const Code* end = codes + count;
    const Code* found = std::lower_bound(codes, end, wanted);
    if (found == end || *found != wanted)
        return std::string();
    return network_name_pool + names[found - codes];
}

}  // namespace

std::string network_country(const std::string& network_code) {
    const bool mcc_alone = network_code.size() == 3 && is_network_code(network_code + "-00");
    if (!mcc_alone && !is_network_code(network_code))
        return std::string();
    return name_of(network_country_mccs, network_country_names, network_country_count,
                   static_cast<uint16_t>(digits_value(network_code, 0, 3)));
}

std::string network_operator(const std::string& network_code) {
    if (!is_network_code(network_code))
        return std::string();
    return name_of(network_operator_numbers, network_operator_names, network_operator_count,
                   network_number(network_code));
}

std::vector<std::string> network_row(const operator_record& record) {
    const std::string code = network_code_of_key(record.key);
    return {record.name, code, code.empty() ? std::string() : network_country(code),
            code.empty() ? std::string() : network_operator(code), key_text(record.key)};
}
