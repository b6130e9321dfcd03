// The conversions go through UTF-16, the platform's own: MultiByteToWideChar and
// WideCharToMultiByte with the ANSI code page on one side and UTF-8 on the other. The UTF-16
// text is held in a vector: std::wstring would bring the library's whole wide string class
// into the program, about 18 KB.
#include "runtime/system_code_page.h"

#include <windows.h>

#include <vector>

namespace {

std::vector<wchar_t> wide_of(UINT code_page, DWORD flags, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int length = static_cast<int>(bytes.size());
    const int count = MultiByteToWideChar(code_page, flags, bytes.data(), length, nullptr, 0);
    if (count <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<size_t>(count));
    MultiByteToWideChar(code_page, flags, bytes.data(), length, wide.data(), count);
    return wide;
}

// The wide text in the code page; false when a character had to be replaced by another.
bool bytes_of(UINT code_page, const std::vector<wchar_t>& wide, std::string& bytes) {
    bytes.clear();
    if (wide.empty())
        return true;
    const int length = static_cast<int>(wide.size());
    BOOL replaced = FALSE;
    // UTF-8 takes neither flags nor the replacement question; every character fits it.
    const bool utf8 = code_page == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* asked = utf8 ? nullptr : &replaced;
    const int count =
        WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, asked);
    if (count <= 0)
        return false;
    bytes.assign(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(code_page, flags, wide.data(), length, &bytes[0], count, nullptr, asked);
    return !replaced;
}

}  // namespace

std::string utf8_of_system_code_page(const std::string& bytes) {
    std::string text;
    bytes_of(CP_UTF8, wide_of(CP_ACP, 0, bytes), text);
    return text;
}

std::string system_code_page_of_typed(const std::string& text) {
    std::string bytes;
    bytes_of(CP_ACP, wide_of(CP_UTF8, 0, text), bytes);
    return bytes;
}

bool system_code_page_of_utf8(const std::string& text, std::string& bytes) {
    const std::vector<wchar_t> wide = wide_of(CP_UTF8, MB_ERR_INVALID_CHARS, text);
    if (wide.empty() && !text.empty())
        return false;
    return bytes_of(CP_ACP, wide, bytes);
}
