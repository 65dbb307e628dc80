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

// Copies as much of `text` as `units` hold with the terminator, never half of a surrogate pair.
void CopyCut(wchar_t* field, size_t units, const std::string& text) {
  std::wstring wide = Widen(text);
  if (wide.size() > units - 1) {
    wide.resize(units - 1);
    if (wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();
  }
  std::memcpy(field, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

template <size_t size>
void CopyCut(wchar_t (&field)[size], const std::string& text) {
  CopyCut(field, size, text);
}

// Icon 165 at a size of the system's metrics, shared: loaded once and never destroyed, as the shell may draw
// from the handle after the call.
HICON SharedAppIcon(HINSTANCE module, int widthMetric, int heightMetric) {
  return static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, ::GetSystemMetrics(widthMetric),
                                         ::GetSystemMetrics(heightMetric), LR_SHARED));
}

// Vista's shell was the first to take the full record with the balloon's own icon.
bool ShellTakesFullRecord() { return LOBYTE(LOWORD(::GetVersion())) >= 6; }

}  // namespace

bool AddAppTrayIcon(HWND frame, HINSTANCE module) {
  HICON icon = SharedAppIcon(module, SM_CXSMICON, SM_CYSMICON);
  if (!icon) return false;
  NOTIFYICONDATAW data = TrayRecord(frame, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon);
  data.uCallbackMessage = WM_TRAYNOTIFY;
  // The first record layout holds a tip of 64 units with its terminator.
  CopyCut(data.szTip, 64, kAppTitle);
  TheSystemCalls().notifyIcon(NIM_ADD, &data);
  return true;
}

void RemoveAppTrayIcon(HWND frame, HINSTANCE module) {
  // The removal names the icon by window and id; the icon in the record is only filled in.
  NOTIFYICONDATAW data = TrayRecord(frame, NIF_ICON, ::LoadIconW(module, MAKEINTRESOURCEW(IDI_DIARY_WINDOW)));
  TheSystemCalls().notifyIcon(NIM_DELETE, &data);
}

void ShowTrayBalloon(HWND frame, HINSTANCE module, const std::string& title, const std::string& text) {
  TrayBalloonRecord record;
  std::memset(&record, 0, sizeof record);
  record.data = TrayRecord(frame, NIF_INFO, nullptr);
  NOTIFYICONDATAW& data = record.data;
  CopyCut(data.szInfoTitle, title);
  CopyCut(data.szInfo, text);
  // Shells since Vista keep a balloon as long as their accessibility setting says; older ones take this.
  data.uTimeout = 30000;
  data.cbSize = kOldBalloonRecordSize;
  data.dwInfoFlags = NIIF_INFO;
  if (ShellTakesFullRecord()) {
    record.balloonIcon = SharedAppIcon(module, SM_CXICON, SM_CYICON);
    data.cbSize = kBalloonRecordSize;
    if (record.balloonIcon) data.dwInfoFlags = kBalloonOwnIcon | kBalloonLargeIcon;
  }
  TheSystemCalls().notifyIcon(NIM_MODIFY, &data);
}
