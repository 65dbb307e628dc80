#include "app/StartupRules.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string CommandLineArguments(const std::string& commandLine) {
  size_t pos = 0;
  const size_t end = commandLine.size();
  if (pos < end && commandLine[pos] == '"') {
    // A quoted program name runs to the closing quote; a missing one leaves no arguments.
    const size_t close = commandLine.find('"', pos + 1);
    pos = close == std::string::npos ? end : close + 1;
  } else {
    while (pos < end && !IsBlank(commandLine[pos])) ++pos;
  }
  // Only the blanks between the program name and the first argument are skipped; trailing ones count.
  while (pos < end && IsBlank(commandLine[pos])) ++pos;
  return commandLine.substr(pos);
}

bool IsTrayOnlyStart(const std::string& commandLine) {
  static const char kTrayOnly[] = "smode";
  const std::string arguments = CommandLineArguments(commandLine);
  if (arguments.size() != sizeof kTrayOnly - 1) return false;
  for (size_t i = 0; i < arguments.size(); ++i)
    if (AsciiLower(arguments[i]) != kTrayOnly[i]) return false;
  return true;
}

bool IsAppTitle(const char* title, std::size_t length) {
  return length == sizeof kAppTitle - 1 && std::memcmp(title, kAppTitle, length) == 0;
}
