#pragma once
// Checks that a line of a plan source is text the program can show: well-formed UTF-8 without control
// characters.
#include <optional>
#include <string>
#include <string_view>

// The first fault of a line as a readable description, or nothing when the line is well-formed UTF-8
// without control characters (a tab is allowed).
std::optional<std::string> FindUtf8Fault(std::string_view line);
