#include "runtime/utf8.h"

void append_utf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static const unsigned lead[] = {0, 0xC0, 0xE0, 0xF0};
    const int more = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(lead[more] | c >> (6 * more));
    for (int i = more - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | (c >> (6 * i) & 0x3F));
}

bool next_utf8(const std::string& text, size_t& at, uint32_t& c) {
    const unsigned first = static_cast<unsigned char>(text[at++]);
    int more = -1;
    if (first < 0x80)
        more = 0;
    else if (first >= 0xC2 && first < 0xE0)
        more = 1;
    else if (first >= 0xE0 && first < 0xF0)
        more = 2;
    else if (first >= 0xF0 && first < 0xF5)
        more = 3;
    if (more < 0)
        return false;
    c = more == 0 ? first : first & (0x3F >> more);
    for (int i = 0; i < more; ++i, ++at) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return false;
        c = c << 6 | (static_cast<unsigned char>(text[at]) & 0x3F);
    }
    const bool overlong = (more == 2 && c < 0x800) || (more == 3 && c < 0x10000);
    return !overlong && !(c >= 0xD800 && c < 0xE000) && c <= 0x10FFFF;
}
