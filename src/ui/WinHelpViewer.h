#pragma once
// The probe for a WinHelp viewer on this system. Paths are UTF-8.
#include <string>

// %WINDIR%\winhlp32.exe, where WinHelp looks for its viewer.
std::string SystemWinHelpViewerPath();

// Whether the file is a WinHelp viewer: it exists and is not the stub of newer Windows (IsWinHelpStub).
bool IsWinHelpViewer(const std::string& viewerPath);

// Whether this system has a WinHelp viewer.
bool SystemHasWinHelpViewer();

// Whether a file (not a folder) exists at the path.
bool FileExistsAt(const std::string& path);
