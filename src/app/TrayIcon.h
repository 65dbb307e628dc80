#pragma once
// The program's tray icon: added with icon 165 at the small icon size, the tip and the callback message;
// removed by its id; and the balloon of the daily reminder.
#include <windows.h>

#include <shellapi.h>

#include <string>

// cbSize of every tray record: the wide record's first published layout, with its 64-character tip, in this
// architecture's own size (152 bytes in the 32-bit program). Older shells accept only this size.
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAW_V1_SIZE;
constexpr UINT kTrayIconId = 128;

// The record of shells since Vista: the second layout, the item's id, and the balloon's own icon, which this
// build's headers (written for older systems) leave out.
struct TrayBalloonRecord {
  NOTIFYICONDATAW data;
  HICON balloonIcon;
};
static_assert(sizeof(TrayBalloonRecord) == (sizeof(void*) == 4 ? 956 : 968), "the system's full tray record");
// cbSize of the balloon's record where the shell takes the full record (956 bytes in the 32-bit program);
// older shells get the second layout, the first with a balloon: its title, text, icon and timeout (936 bytes).
constexpr DWORD kBalloonRecordSize = sizeof(TrayBalloonRecord);
constexpr DWORD kOldBalloonRecordSize = NOTIFYICONDATAW_V2_SIZE;
// The balloon's icon flags of shells since Vista: the program's own icon (NIIF_USER), at the large size.
constexpr DWORD kBalloonOwnIcon = NIIF_USER;
constexpr DWORD kBalloonLargeIcon = 0x20;

// Loads icon 165 from `module` at the small icon size and adds the icon to the tray; the shell's answer is not
// looked at. False, with nothing added, when the program has no such icon.
bool AddAppTrayIcon(HWND frame, HINSTANCE module);
// Takes the icon away from the tray; the shell's answer is not looked at.
void RemoveAppTrayIcon(HWND frame, HINSTANCE module);
// Shows a balloon over the tray icon: `title` in bold over `text` (UTF-8, cut to what the record holds), with
// icon 165 of `module` at the large icon size where the shell takes the full record, else with the information
// icon; the shell's answer is not looked at. Whether the user saw it comes later, as NIN_BALLOONSHOW.
void ShowTrayBalloon(HWND frame, HINSTANCE module, const std::string& title, const std::string& text);
