#include "app/TrayIcon.h"

#include <cstring>

#include "app/StartupRules.h"
#include "res/Resource.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

namespace {

NOTIFYICONDATAW TrayRecord(HWND frame, UINT flags, HICON icon) {
  NOTIFYICONDATAW data;
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
  HICON icon = ::LoadIconW(module, MAKEINTRESOURCEW(IDI_APP));
  if (!icon) return false;
  NOTIFYICONDATAW data = TrayRecord(frame, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon);
  data.uCallbackMessage = WM_TRAYNOTIFY;
  // The first record layout holds a tip of 64 units with its terminator.
  const std::wstring tip = Widen(kAppTitle).substr(0, 63);
  std::memcpy(data.szTip, tip.c_str(), (tip.size() + 1) * sizeof(wchar_t));
  TheSystemCalls().notifyIcon(NIM_ADD, &data);
  // The taskbar keeps its own copy of the icon.
  ::DestroyIcon(icon);
  return true;
}

void RemoveAppTrayIcon(HWND frame, HINSTANCE module) {
  // The removal names the icon by window and id; the icon in the record is only filled in.
  NOTIFYICONDATAW data = TrayRecord(frame, NIF_ICON, ::LoadIconW(module, MAKEINTRESOURCEW(IDI_DIARY_WINDOW)));
  TheSystemCalls().notifyIcon(NIM_DELETE, &data);
}
