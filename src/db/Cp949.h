#pragma once
// Conversion between UTF-8, the program's text, and code page 949, which some files are written in.
#include <string>
#include <string_view>

// Bytes that do not form a code page 949 character become U+FFFD.
std::string Cp949ToUtf8(std::string_view cp949);
// Characters that code page 949 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp949(std::string_view utf8);
// Appends the whole text in code page 949 to `cp949`, and gives true, when code page 949 holds every
// character of it; gives false, with `cp949` as it was, at the first character that it lacks or the first
// byte that is not UTF-8.
bool AppendWholeCp949(std::string_view utf8, std::string& cp949);
