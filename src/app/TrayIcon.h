#pragma once
// The program's tray icon: added with icon 165, the tip and the callback message; removed by its id.
#include <windows.h>

#include <shellapi.h>

// cbSize of every tray record: the wide record's first published layout, with its 64-character tip, in this
// architecture's own size (152 bytes in the 32-bit program). Older shells accept only this size.
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAW_V1_SIZE;
constexpr UINT kTrayIconId = 128;

// Loads icon 165 from `module` and adds the icon to the tray; the shell's answer is not looked at. False,
// with nothing added, when the program has no such icon.
bool AddAppTrayIcon(HWND frame, HINSTANCE module);
// Takes the icon away from the tray; the shell's answer is not looked at.
void RemoveAppTrayIcon(HWND frame, HINSTANCE module);
