#pragma once
// The program's tray icon: added with icon 165, the tip and the callback message; removed by its id.
#include <windows.h>

#include <shellapi.h>

#include <string>

// cbSize of every tray record: the wide record's first published layout, with its 64-character tip, in this
// architecture's own size (152 bytes in the 32-bit program). Older shells accept only this size.
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAW_V1_SIZE;
constexpr UINT kTrayIconId = 128;
// cbSize of the balloon's record: the second published layout, the first with a balloon (its title, text,
// icon and timeout), in this architecture's own size (936 bytes in the 32-bit program).
constexpr DWORD kBalloonRecordSize = NOTIFYICONDATAW_V2_SIZE;

// Loads icon 165 from `module` and adds the icon to the tray; the shell's answer is not looked at. False,
// with nothing added, when the program has no such icon.
bool AddAppTrayIcon(HWND frame, HINSTANCE module);
// Takes the icon away from the tray; the shell's answer is not looked at.
void RemoveAppTrayIcon(HWND frame, HINSTANCE module);
// Shows a balloon with the information icon over the tray icon: `title` in bold over `text` (UTF-8, cut to
// what the record holds); the shell's answer is not looked at.
void ShowTrayBalloon(HWND frame, const std::string& title, const std::string& text);
