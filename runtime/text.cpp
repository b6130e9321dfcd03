// Building and taking apart texts.
#include "runtime/text.h"

void append_text(text_builder& b, const std::string& text) {
    if (b.ended) {
        return;
    }
    // A text cannot hold a zero byte: one that slipped in ends the text being built,
    // exactly as a zero code does.
    std::string::size_type zero = text.find('\0');
    if (zero == std::string::npos) {
        b.text += text;
        return;
    }
    b.text.append(text, 0, zero);
    b.ended = true;
}

void append_char(text_builder& b, int32_t code) {
    if (b.ended) {
        return;
    }
    uint8_t byte = static_cast<uint8_t>(static_cast<uint32_t>(code) & 0xFF);
    if (byte == 0) {
        b.ended = true;
        return;
    }
    b.text += static_cast<char>(byte);
}

std::string built_text(const text_builder& b) {
    return b.text;
}

int32_t text_length(const std::string& text) {
    return static_cast<int32_t>(text.size());
}

int32_t char_code(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    return static_cast<uint8_t>(text[0]);
}

std::string substring(const std::string& text, int32_t start, int32_t length) {
    if (length <= 0) {
        return std::string();
    }
    // Widened so that start - 1 and the end position cannot overflow.
    int64_t skip = start > 1 ? static_cast<int64_t>(start) - 1 : 0;
    int64_t size = static_cast<int64_t>(text.size());
    if (skip >= size) {
        return std::string();
    }
    return text.substr(static_cast<std::size_t>(skip), static_cast<std::size_t>(length));
}
