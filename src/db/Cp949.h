#pragma once
// Conversion between code page 949 (the program's narrow text) and UTF-8 (the text inside the database files).
#include <string>
#include <string_view>

// Bytes that do not form a code page 949 character become U+FFFD.
std::string Cp949ToUtf8(std::string_view cp949);
// Characters that code page 949 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp949(std::string_view utf8);
// Length in bytes of the code page 949 character that starts at text[pos] (1 or 2).
size_t Cp949CharLength(std::string_view text, size_t pos);
