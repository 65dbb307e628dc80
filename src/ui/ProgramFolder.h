#pragma once
// Paths beside the program file. The help file and the shell commands' working folder are taken from
// the program folder, where the setup puts them: the current directory moves with every save dialog.
#include <string>

#include "base/ProgramFiles.h"

// The folder of a program file's path, ending in its backslash ("C:\Prog\" for "C:\Prog\x.exe"); empty
// when the path has no backslash.
std::string ProgramFolderOf(const std::string& modulePath);

// The folder as a working directory is written: without the closing backslash, except at a drive's root.
std::string WorkingFolder(const std::string& programFolder);
