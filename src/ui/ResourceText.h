#pragma once
// Texts of the program's string table, in UTF-8 as the program holds all its text.
#include <windows.h>

#include <string>
#include <vector>

#include "base/MessageText.h"

// The text `id`, with its %s marks filled in order; empty when the table has no such text.
std::string LoadText(UINT id, const std::vector<std::string>& values = {});
// A message of the portable code with its texts loaded.
std::string LoadText(const MessageText& message);
