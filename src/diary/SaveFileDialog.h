#pragma once
// The platform's side of the export: the common save dialog, and opening the written file with the
// program that the system associates with it.
#include <windows.h>

#include <string>

// The save dialog with the text-file filter; false when the user cancels.
bool AskSavePath(HWND owner, std::string& path);
// ShellExecuteW with the verb "open", shown normally; its result is not looked at.
void OpenWithShell(const std::string& path, const std::string& directory);
