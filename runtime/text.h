// Texts: byte strings of the platform's single-byte code page that never hold a zero
// byte. A text is a std::string; one that never received a value is the empty string,
// which every operation here treats as the empty text. None of them can fail.
#pragma once

#include <cstdint>
#include <string>

// The text being built. A zero code (see append_char) or a zero byte in an appended
// text ends it: nothing appended afterwards joins it.
struct text_builder {
    std::string text;
    bool ended = false;
};

// Appends the text; the empty text appends nothing.
void append_text(text_builder& b, const std::string& text);

// Appends the byte code modulo 256: 321 appends 'A', -1 the byte 255. A code whose low
// byte is 0 (0, 256, ...) ends the text being built instead.
void append_char(text_builder& b, int32_t code);

std::string built_text(const text_builder& b);

// Number of bytes; 0 for the empty text.
int32_t text_length(const std::string& text);

// The first byte as 0..255; 0 for the empty text.
int32_t char_code(const std::string& text);

// Up to length bytes from the 1-based position start (start 1 or less begins at the
// first byte). Empty when length is 0 or less or start lies beyond the text's end.
std::string substring(const std::string& text, int32_t start, int32_t length);
