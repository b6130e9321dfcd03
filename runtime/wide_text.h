// The program's texts and paths are UTF-8; the platform's wide (W) functions take UTF-16.
// These convert one to the other, so that every language shows, and every folder opens, on
// every Windows whatever its code page.
#pragma once

#include <string>
#include <vector>

// The text in UTF-16 with a closing NUL (a vector: std::wstring would bring the library's
// whole wide string class into the program). A byte that is not UTF-8 becomes U+FFFD.
std::vector<wchar_t> wide_text(const std::string& text);

// The first length characters (up to the NUL when length is -1) in UTF-8.
std::string utf8_text(const wchar_t* text, int length = -1);
