#pragma once
// What start-up decides from plain text: whether the command line asks for the tray only, and whether a
// window title is the application title that marks a running instance.
#include <cstddef>
#include <string>

#include "res/AppTitle.h"

// The application title, UTF-8: the main frame's title, the tray tip and every message box caption.
inline constexpr char kAppTitle[] = VESPERAL_APP_TITLE;

// The arguments of a full command line: what follows the program name (quoted or not) and the blanks after
// it (every character of code 32 or below).
std::string CommandLineArguments(const std::string& commandLine);

// True when the arguments are exactly "smode", in any letter case: the program then starts in the tray.
bool IsTrayOnlyStart(const std::string& commandLine);

// True when `title` (of `length` bytes) is byte for byte the application title, nothing more.
bool IsAppTitle(const char* title, std::size_t length);
