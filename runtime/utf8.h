// UTF-8: characters (Unicode code points) as bytes and back. Pure code.
#pragma once

#include <cstdint>
#include <string>

// Appends the character's one to four bytes; c is at most 0x10FFFF.
void append_utf8(std::string& out, uint32_t c);

// Reads the character that starts at byte at (before the end) and moves at past it. False for
// a sequence that is malformed, overlong, a surrogate or beyond 0x10FFFF.
bool next_utf8(const std::string& text, size_t& at, uint32_t& c);
