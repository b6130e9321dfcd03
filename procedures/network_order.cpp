#include "procedures/network_order.h"

#include <algorithm>

namespace {

char folded_letter(char letter) {
    const unsigned char code = static_cast<unsigned char>(letter);
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
        return static_cast<char>(code + 0x20);
    if (code == 0x8A || code == 0x8C || code == 0x8E)  // S, OE, Z with their marks
        return static_cast<char>(code + 0x10);
    if (code == 0x9F)  // Y with diaeresis
        return static_cast<char>(0xFF);
    return letter;
}

}  // namespace

std::string folded_text(const std::string& text) {
    std::string folded(text.c_str());
    std::transform(folded.begin(), folded.end(), folded.begin(), folded_letter);
    return folded;
}

std::vector<int> rows_holding(const std::vector<std::string>& texts, const std::string& find) {
    std::vector<int> rows;
    for (size_t row = 0; row < texts.size(); ++row) {
        if (texts[row].find(find) != std::string::npos)
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

// Equal keys keep table order by the rows' numbers (std::sort: a stable sort's buffers cost the
// program 2 KB).
void sort_rows(std::vector<int>& rows, const std::vector<std::string>& keys, int direction) {
    std::sort(rows.begin(), rows.end(), [&keys, direction](int first, int second) {
        const int order = keys[first].compare(keys[second]);
        return order != 0 ? (direction > 0 ? order < 0 : order > 0) : first < second;
    });
}
