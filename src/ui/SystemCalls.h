#pragma once
// The calls whose effect lies outside the program: the tray icon, the web browser, the help viewer and the
// greeting sound. The program makes the real calls through this table; a test build puts recorders in their
// place to see each call with its arguments. One entry per call, with the system function's own signature;
// the probe for a help viewer, which a test build answers as the system it plays; the local clock, which a
// test build sets to the time it plays (the reminder's time, a day after a sleep); the user's notification
// state, which a test build plays (locked, busy, presenting); and the system's folder picker and open dialog,
// whose choice a test build plays as the user's.
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

struct SystemCalls {
  BOOL(WINAPI* notifyIcon)(DWORD message, PNOTIFYICONDATAW data);
  HINSTANCE(WINAPI* shellExecute)
  (HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show);
  BOOL(WINAPI* winHelp)(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data);
  BOOL(WINAPI* playSound)(LPCWSTR sound, HMODULE module, DWORD flags);
  bool (*hasWinHelpViewer)();
  void(WINAPI* getLocalTime)(LPSYSTEMTIME time);
  // SHQueryUserNotificationState, its state (QUERY_USER_NOTIFICATION_STATE) as the number it is; systems before
  // Vista have none, and the call then fails with E_NOTIMPL.
  HRESULT(WINAPI* queryUserNotificationState)(int* state);
  PIDLIST_ABSOLUTE(WINAPI* browseForFolder)(LPBROWSEINFOW info);
  BOOL(WINAPI* getOpenFileName)(LPOPENFILENAMEW dialog);
  // Whether the user turned a high-contrast theme on (SPI_GETHIGHCONTRAST); a test plays it, since Wine has none.
  bool (*highContrastOn)();
};

// The table in use; it starts with the system's functions.
SystemCalls& TheSystemCalls();
