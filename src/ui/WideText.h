#pragma once
// Text inside the program is UTF-8; Windows' wide calls take UTF-16. These convert at that edge. They are
// written without windows.h so that the rules hold the same everywhere: each wchar_t holds one UTF-16 unit,
// even where wchar_t is wider.
#include <cstddef>
#include <string>
#include <string_view>

// UTF-16 of UTF-8 text. A byte that does not belong to a well-formed character becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-8 of UTF-16 text. A lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

// The number of UTF-16 units of the first `bytes` bytes of UTF-8 text, as a control counts positions. A
// position inside a character counts that character whole, so a selection never ends inside a surrogate pair.
std::size_t Utf16Offset(std::string_view utf8, std::size_t bytes);
