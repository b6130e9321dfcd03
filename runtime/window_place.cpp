#include "runtime/window_place.h"

#include <cstdlib>
<<<<<<< Updated upstream

#include "runtime/number_text.h"

namespace {

constexpr long place_limit = 32767;
constexpr long column_limit = 4000;

// The number the whole text is, within low..high; false for anything else.
bool number_in(const std::string& text, long low, long high, int& number) {
    if (text.empty() || text.size() > 6)
        return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high)
        return false;
    number = static_cast<int>(value);
    return true;
}

}  // namespace

bool parse_window_place(const std::string& text, window_place& place) {
    window_place read;
    int found = 0;  // a bit a key
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        int maximized = 0;
        bool good = true;
        if (key == "x")
            good = number_in(value, -place_limit, place_limit, read.x), found |= 1;
        else if (key == "y")
            good = number_in(value, -place_limit, place_limit, read.y), found |= 2;
        else if (key == "width")
            good = number_in(value, 1, place_limit, read.width), found |= 4;
        else if (key == "height")
            good = number_in(value, 1, place_limit, read.height), found |= 8;
        else if (key == "maximized")
            good = number_in(value, 0, 1, maximized), read.maximized = maximized == 1, found |= 16;
        else if (key == "columns") {
            found |= 32;
            for (size_t from = 0; good && from <= value.size();) {
                size_t comma = value.find(',', from);
                comma = comma == std::string::npos ? value.size() : comma;
                int width = 0;
                good = number_in(value.substr(from, comma - from), 0, column_limit, width);
                read.columns.push_back(width);
                from = comma + 1;
            }
        } else if (!line.empty())
            good = false;
        if (!good)
            return false;
    }
    if (found != 63)
=======
#include <string>

#include "runtime/number_text.h"

bool parse_window_place(const std::string& text, window_place& place) {
    window_place read = {};
    struct {
        const char* key;
        int* value;
        int low, high;
    } const lines[] = {{"x=", &read.x, -32767, 32767},        {"y=", &read.y, -32767, 32767},
                       {"width=", &read.width, 1, 32767},     {"height=", &read.height, 1, 32767},
                       {"maximized=", &read.maximized, 0, 1}, {"columns=", read.columns, 0, 4000}};
    const char* at = text.c_str();
    for (const auto& line : lines) {
        const size_t key = std::char_traits<char>::length(line.key);
        if (text.compare(static_cast<size_t>(at - text.c_str()), key, line.key) != 0)
            return false;
        at += key;
        const int count = line.value == read.columns ? window_place_columns : 1;
        for (int i = 0; i < count; ++i) {
            char* end = nullptr;
            const long value = std::strtol(at, &end, 10);
            const bool last = i + 1 == count;
            if (end == at || end - at > 6 || value < line.low || value > line.high ||
                (last ? *end != '\r' && *end != '\n' && *end != '\0' : *end != ','))
                return false;
            line.value[i] = static_cast<int>(value);
            at = *end == '\0' ? end : end + 1;
        }
        at += *at == '\n' && at[-1] == '\r' ? 1 : 0;
    }
    if (static_cast<size_t>(at - text.c_str()) < text.size())
>>>>>>> Stashed changes
        return false;
    place = read;
    return true;
}

std::string format_window_place(const window_place& place) {
    std::string columns;
<<<<<<< Updated upstream
    for (size_t i = 0; i < place.columns.size(); ++i)
        columns += (i == 0 ? "" : ",") + number_to_text(place.columns[i]);
    return "x=" + number_to_text(place.x) + "\r\ny=" + number_to_text(place.y) +
           "\r\nwidth=" + number_to_text(place.width) + "\r\nheight=" +
           number_to_text(place.height) + "\r\nmaximized=" + (place.maximized ? "1" : "0") +
=======
    for (int i = 0; i < window_place_columns; ++i)
        columns += (i == 0 ? "" : ",") + number_to_text(place.columns[i]);
    return "x=" + number_to_text(place.x) + "\r\ny=" + number_to_text(place.y) +
           "\r\nwidth=" + number_to_text(place.width) + "\r\nheight=" +
           number_to_text(place.height) + "\r\nmaximized=" + number_to_text(place.maximized) +
>>>>>>> Stashed changes
           "\r\ncolumns=" + columns + "\r\n";
}
