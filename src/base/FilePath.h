#pragma once
// File system paths of UTF-8 names: every path in the program is UTF-8 text, whatever the process's code page.
#include <filesystem>
#include <string>

std::filesystem::path FileSystemPath(const std::string& path);

// Whether anything (a file, a folder) stands at the path; a name that cannot be looked at counts as absent.
bool PathIsPresent(const std::string& path);
bool IsFolder(const std::string& path);
