#pragma once
// Checks that a line of a plan source is text the program can show: well-formed UTF-8 without control
// characters, every character representable in code page 949.
#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

// The first fault of a line as a readable description, or nothing when the line is well-formed UTF-8
// without control characters (a tab is allowed).
std::optional<std::string> FindUtf8Fault(std::string_view line);

// Converts UTF-8 text to code page 949 to find characters that code page 949 cannot hold.
class Cp949Checker {
 public:
  Cp949Checker();
  ~Cp949Checker();
  Cp949Checker(const Cp949Checker&) = delete;
  Cp949Checker& operator=(const Cp949Checker&) = delete;

  // The first character that code page 949 cannot hold, as a readable description; the text must be
  // well-formed UTF-8.
  std::optional<std::string> FindUnrepresentable(std::string_view utf8);

 private:
  iconv_t m_cd;
};
