// GetUserPreferredUILanguages where it is (Vista on; looked up, since Windows 7 is the oldest
// the program names), else the language of GetUserDefaultUILanguage.
#include "app/display_language.h"

#include <windows.h>

#include "runtime/wide_text.h"

namespace {

using preferred_languages = BOOL(WINAPI*)(DWORD flags, PULONG count, PZZWSTR names, PULONG size);
constexpr DWORD language_names = 0x8;  // MUI_LANGUAGE_NAME: "ru-RU" rather than a number

std::vector<std::string> preferred() {
    std::vector<std::string> languages;
    const auto entry = reinterpret_cast<preferred_languages>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetUserPreferredUILanguages")));
    ULONG count = 0;
    ULONG size = 0;
    if (entry == nullptr || !entry(language_names, &count, nullptr, &size) || size == 0)
        return languages;
    std::vector<wchar_t> names(size, L'\0');
    if (!entry(language_names, &count, names.data(), &size))
        return languages;
    for (const wchar_t* name = names.data(); name < names.data() + names.size() && *name != L'\0';
         name += lstrlenW(name) + 1)
        languages.push_back(utf8_text(name));
    return languages;
}

}  // namespace

std::vector<std::string> windows_display_languages() {
    std::vector<std::string> languages = preferred();
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (languages.empty() && GetLocaleInfoW(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT),
                                            LOCALE_SISO639LANGNAME, name, LOCALE_NAME_MAX_LENGTH))
        languages.push_back(utf8_text(name));
    return languages;
}
