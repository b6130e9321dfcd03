#include "runtime/wide_text.h"

#include <windows.h>

std::vector<wchar_t> wide_text(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int count =
        text.empty() ? 0 : MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(count > 0 ? count : 0) + 1, L'\0');
    if (count > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), count);
    return wide;
}

std::string utf8_text(const wchar_t* text, int length) {
    if (text == nullptr || length == 0)
        return std::string();
    if (length < 0)
        length = lstrlenW(text);
    const int count = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(count > 0 ? count : 0), '\0');
    if (count > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, length, &out[0], count, nullptr, nullptr);
    return out;
}
