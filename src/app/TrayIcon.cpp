#include "app/TrayIcon.h"

#include <cstring>

#include "app/StartupRules.h"
#include "res/Resource.h"
#include "ui/SystemCalls.h"

namespace {

NOTIFYICONDATAA TrayRecord(HWND frame, UINT flags, HICON icon) {
  NOTIFYICONDATAA data;
  std::memset(&data, 0, sizeof data);
  data.cbSize = kTrayRecordSize;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  data.uFlags = flags;
  data.hIcon = icon;
  return data;
}

}  // namespace

bool AddAppTrayIcon(HWND frame, HINSTANCE module) {
  HICON icon = ::LoadIconA(module, MAKEINTRESOURCEA(IDI_APP));
  if (!icon) return false;
  NOTIFYICONDATAA data = TrayRecord(frame, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon);
  data.uCallbackMessage = WM_TRAYNOTIFY;
  static_assert(sizeof kAppTitle <= 64, "the tip must fit the first record layout");
  std::memcpy(data.szTip, kAppTitle, sizeof kAppTitle);
  TheSystemCalls().notifyIcon(NIM_ADD, &data);
  // The taskbar keeps its own copy of the icon.
  ::DestroyIcon(icon);
  return true;
}

void RemoveAppTrayIcon(HWND frame, HINSTANCE module) {
  // The removal names the icon by window and id; the icon in the record is only filled in.
  NOTIFYICONDATAA data = TrayRecord(frame, NIF_ICON, ::LoadIconA(module, MAKEINTRESOURCEA(IDI_DIARY_WINDOW)));
  TheSystemCalls().notifyIcon(NIM_DELETE, &data);
}
