#include "runtime/window_place.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "runtime/number_text.h"

namespace {

const std::string language_key = "language=";

}  // namespace

bool parse_window_place(const std::string& text, window_place& place) {
    window_place read = {};
    int column = 0;
    struct {
        const char* key;
        int* value;
        int low, high;
    } const lines[] = {{"x=", &read.x, -32767, 32767},        {"y=", &read.y, -32767, 32767},
                       {"width=", &read.width, 1, 32767},     {"height=", &read.height, 1, 32767},
                       {"maximized=", &read.maximized, 0, 1}, {"columns=", &column, 0, 4000}};
    const char* at = text.c_str();
    for (const auto& line : lines) {
        const size_t key = std::char_traits<char>::length(line.key);
        if (text.compare(static_cast<size_t>(at - text.c_str()), key, line.key) != 0)
            return false;
        at += key;
        for (bool last = false; !last;) {
            char* end = nullptr;
            const long value = std::strtol(at, &end, 10);
            last = line.value != &column || *end != ',';
            if (end == at || end - at > 6 || value < line.low || value > line.high ||
                (last && *end != '\r' && *end != '\n' && *end != '\0'))
                return false;
            *line.value = static_cast<int>(value);
            if (line.value == &column) {
                if (read.columns.size() == window_place_columns_max)
                    return false;
                read.columns.push_back(column);
            }
            at = *end == '\0' ? end : end + 1;
        }
        at += *at == '\n' && at[-1] == '\r' ? 1 : 0;
    }
    const size_t end = static_cast<size_t>(at - text.c_str());
    if (end < text.size() && text.compare(end, language_key.size(), language_key) != 0)
        return false;
    place = read;
    return true;
}

std::string parse_window_language(const std::string& text) {
    const size_t line = text.rfind(language_key);
    if (line == std::string::npos || (line > 0 && text[line - 1] != '\n'))
        return "auto";
    const size_t start = line + language_key.size();
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string value = text.substr(start, end - start);
    const bool letters = !value.empty() && value.size() <= 8 &&
                         value.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
    return letters ? value : "auto";
}

std::string format_window_place(const window_place& place, const std::string& language) {
    std::string columns;
    for (size_t i = 0; i < place.columns.size(); ++i)
        columns += (i == 0 ? "" : ",") + number_to_text(place.columns[i]);
    return "x=" + number_to_text(place.x) + "\r\ny=" + number_to_text(place.y) +
           "\r\nwidth=" + number_to_text(place.width) +
           "\r\nheight=" + number_to_text(place.height) +
           "\r\nmaximized=" + number_to_text(place.maximized) + "\r\ncolumns=" + columns + "\r\n" +
           language_key + language + "\r\n";
}
