#pragma once
// The system's pickers for a folder and for a file to open, in UTF-8. Both go through TheSystemCalls, so
// that a test build plays the user's choice.
#include <windows.h>

#include <string>

// The folder picker (SHBrowseForFolderW, which every Windows and Wine has, with an edit box for a typed
// path), opened on `start`; false when the user cancels or picks something that is no folder on a disk.
bool PickFolder(HWND owner, const std::string& title, const std::string& start, std::string& folder);

// The open dialog with `filter` (pairs of description and pattern, each ending in '|'), opened in
// `startFolder`; false when the user cancels. The process's current folder stays as it was.
bool PickFileToOpen(HWND owner, const std::string& filter, const std::string& startFolder, std::string& path);
