#pragma once
// The folder of the running program file, from the system.
#include <string>

// The program folder, ending in a backslash.
std::string ModuleFolder();
