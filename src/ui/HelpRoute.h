#pragma once
// Which way the help command opens the help. Windows Vista and later ship no viewer for .hlp files: their
// %WINDIR%\winhlp32.exe is missing or a small stub that only says the format is not supported. There the
// help goes to the web browser as the page psaltery.html; where a viewer exists, WinHelp opens psaltery.hlp
// as it always has.
#include <cstdint>
#include <string>

enum class HelpRoute { kWinHelp, kBrowser };

// The browser only when the system has no viewer and the page is there; without the page the WinHelp call
// stays, and what the system says about it is what the user sees, as for a missing help file.
HelpRoute ChooseHelpRoute(bool hasWinHelpViewer, bool helpPageExists);

// Whether a winhlp32.exe of this size and version resource (its raw bytes, empty when it has none) is the
// stub of newer Windows rather than a viewer: the stub is about 10 KB, a real viewer hundreds of KB, and the
// stub's version resource describes it as "Windows Winhlp32 Stub".
bool IsWinHelpStub(uint64_t fileSize, const std::string& versionResource);
