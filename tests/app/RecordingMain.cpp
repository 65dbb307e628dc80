// Entry of the program's test builds: the program itself, with recorders in place of the calls whose effect
// lies outside it. Each call goes as one line to calls.log beside the exe; the tray calls are also made for
// real, the browser, help and sound calls are not. A tray call's line gives its icon by width in pixels (0 for
// none); a balloon's record (NIF_INFO) adds its title, text and icon flags, and the full record its own icon's
// width. Files and posted messages play the rest of the world:
//  - a posted "VesperalTestChangeDirectory" makes the program change its current directory to the folder
//    named in chdir.txt beside the exe, as a save dialog would;
//  - a posted "VesperalTestRecordShownDay" writes the day the reading window shows to calls.log
//    ("shown|YYYYMMDD", or "shown|none" without a reading window);
//  - helpviewer.txt plays the system's help viewer: "none" a system without one, anything else a system with
//    one; without the file the real probe answers;
//  - clock.txt plays the local clock: "YYYY-MM-DD HH:MM:SS" is the time at the moment the file was read, and
//    the clock runs on from there in real time; a changed file sets the clock anew (a test moves it forward,
//    as a sleep would); without the file, or with a text in another form, the real clock answers;
//  - folderpick.txt plays the folder picker and filepick.txt the open dialog: each holds the UTF-8 path the
//    user picks, and without the file the user cancels; each call goes to calls.log with the folder it
//    opened on ("folderpick|FOLDER", "filepick|FOLDER").
//  - notifications.txt plays the user's notification state: its number (5 accepts, 1 locked, 2 busy, ...);
//    without the file the real query answers.
#include <windows.h>

#include <shlobj.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/TrayIcon.h"
#include "app/VesperalApp.h"
#include "res/Resource.h"
#include "ui/DatePicker.h"
#include "win/PickerTime.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

namespace {

std::wstring BesideExe(const wchar_t* name) {
  wchar_t path[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  return dir.substr(0, dir.find_last_of(L'\\') + 1) + name;
}

unsigned long long Number(const void* handle) {
  return static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle));
}

void Record(const std::string& line) {
  // The log is UTF-8, one call a line, the texts narrowed from the wide calls.
  if (FILE* log = _wfopen(BesideExe(L"calls.log").c_str(), L"ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

std::string Text(const wchar_t* text) { return text ? Narrow(text) : "(null)"; }

BOOL(WINAPI* g_realNotifyIcon)(DWORD, PNOTIFYICONDATAW) = nullptr;

// An icon's width in pixels, 0 for none.
int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  ::GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAW data) {
  char line[200];
  std::snprintf(line, sizeof line, "notify|%lu|%lu|%llu|%u|%u|%u|%d|", static_cast<unsigned long>(message),
                static_cast<unsigned long>(data->cbSize), Number(data->hWnd), data->uID, data->uFlags,
                data->uCallbackMessage, IconWidth(data->hIcon));
  // The tip as far as the first record layout holds it, 64 units.
  std::string fields =
      line + ((data->uFlags & NIF_TIP) ? Narrow(std::wstring(data->szTip, 64).c_str()) : std::string());
  if ((data->uFlags & NIF_INFO) && data->cbSize >= NOTIFYICONDATAW_V2_SIZE)
    fields += "|" + Narrow(std::wstring(data->szInfoTitle, 64).c_str()) + "|" +
              Narrow(std::wstring(data->szInfo, 256).c_str()) + "|" + std::to_string(data->dwInfoFlags);
  if ((data->uFlags & NIF_INFO) && data->cbSize >= kBalloonRecordSize)
    fields += "|" + std::to_string(IconWidth(reinterpret_cast<TrayBalloonRecord*>(data)->balloonIcon));
  Record(fields);
  return g_realNotifyIcon(message, data);
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                    INT show) {
  Record("browser|" + std::to_string(Number(owner)) + "|" + Text(verb) + "|" + Text(file) + "|" + Text(parameters) +
         "|" + Text(directory) + "|" + std::to_string(show));
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

BOOL WINAPI RecordWinHelp(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
  Record("help|" + std::to_string(Number(owner)) + "|" + Text(helpFile) + "|" + std::to_string(command) + "|" +
         std::to_string(static_cast<unsigned long long>(data)));
  return TRUE;
}

BOOL WINAPI RecordPlaySound(LPCWSTR sound, HMODULE module, DWORD flags) {
  Record("sound|" + Text(sound) + "|" + std::to_string(Number(module)) + "|" + std::to_string(flags));
  return TRUE;
}

bool (*g_realHasWinHelpViewer)() = nullptr;

// The played clock: the text of clock.txt last read, the time it names, and the tick count when it was read.
struct PlayedClock {
  std::string text;
  bool valid = false;
  ULONGLONG startTicks = 0;  // in file time units (100 ns), as the named time
  DWORD readAt = 0;
};
PlayedClock g_clock;

bool ParseClock(const std::string& text, ULONGLONG& ticks) {
  int year, month, day, hour, minute, second;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &year, &month, &day, &hour, &minute, &second) != 6)
    return false;
  const SYSTEMTIME time = MakeLocalTime(year, month, day, hour, minute, second);
  FILETIME fileTime;
  if (!::SystemTimeToFileTime(&time, &fileTime)) return false;
  ticks = (static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
  return true;
}

void WINAPI PlayedLocalTime(LPSYSTEMTIME time) {
  std::string text;
  if (FILE* file = _wfopen(BesideExe(L"clock.txt").c_str(), L"rb")) {
    char buffer[64] = "";
    text.assign(buffer, std::fread(buffer, 1, sizeof buffer - 1, file));
    std::fclose(file);
  }
  if (text != g_clock.text) {
    g_clock.text = text;
    g_clock.valid = ParseClock(text, g_clock.startTicks);
    g_clock.readAt = ::GetTickCount();
  }
  if (!g_clock.valid) {
    ::GetLocalTime(time);
    return;
  }
  const ULONGLONG ticks = g_clock.startTicks + static_cast<ULONGLONG>(::GetTickCount() - g_clock.readAt) * 10000;
  FILETIME fileTime{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  ::FileTimeToSystemTime(&fileTime, time);
}

// The path a picker's file beside the exe names, wide; empty without the file (the user cancels).
std::wstring PlayedPick(const wchar_t* name) {
  FILE* file = _wfopen(BesideExe(name).c_str(), L"rb");
  if (!file) return std::wstring();
  char path[4 * MAX_PATH] = "";
  path[std::fread(path, 1, sizeof path - 1, file)] = '\0';
  std::fclose(file);
  return Widen(path);
}

PIDLIST_ABSOLUTE WINAPI PlayedBrowseForFolder(LPBROWSEINFOW info) {
  Record("folderpick|" + Text(reinterpret_cast<const wchar_t*>(info->lParam)));
  const std::wstring folder = PlayedPick(L"folderpick.txt");
  return folder.empty() ? nullptr : ::ILCreateFromPathW(folder.c_str());
}

BOOL WINAPI PlayedGetOpenFileName(LPOPENFILENAMEW dialog) {
  Record("filepick|" + Text(dialog->lpstrInitialDir));
  const std::wstring path = PlayedPick(L"filepick.txt");
  if (path.empty() || path.size() >= dialog->nMaxFile) return FALSE;
  dialog->lpstrFile[path.copy(dialog->lpstrFile, path.size())] = L'\0';
  return TRUE;
}

HRESULT(WINAPI* g_realQueryNotificationState)(int*) = nullptr;

HRESULT WINAPI PlayedNotificationState(int* state) {
  FILE* file = _wfopen(BesideExe(L"notifications.txt").c_str(), L"rb");
  if (!file) return g_realQueryNotificationState(state);
  const bool read = std::fscanf(file, "%d", state) == 1;
  std::fclose(file);
  return read ? S_OK : E_FAIL;
}

bool PlayedWinHelpViewer() {
  FILE* file = _wfopen(BesideExe(L"helpviewer.txt").c_str(), L"rb");
  if (!file) return g_realHasWinHelpViewer();
  char answer[8] = "";
  const size_t length = std::fread(answer, 1, sizeof answer - 1, file);
  std::fclose(file);
  return std::string(answer, length) != "none";
}

// The day the running reading window shows, as its date picker shows it; "none" without a reading window.
BOOL CALLBACK FindReadingWindow(HWND window, LPARAM found) {
  if (!::GetDlgItem(window, IDC_READING_PAGE)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
std::string ShownDayKey() {
  HWND reading = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindReadingWindow, reinterpret_cast<LPARAM>(&reading));
  return reading ? DayKey(CDatePicker(::GetDlgItem(reading, IDC_READING_DATE)).Day()) : "none";
}

UINT g_changeDirectoryMessage = 0;
UINT g_recordShownDayMessage = 0;

LRESULT CALLBACK WatchPostedMessages(int code, WPARAM removal, LPARAM message) {
  const MSG* msg = reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == g_changeDirectoryMessage) {
    // chdir.txt holds the folder in UTF-8.
    char folder[4 * MAX_PATH] = "";
    if (FILE* file = _wfopen(BesideExe(L"chdir.txt").c_str(), L"rb")) {
      const size_t length = std::fread(folder, 1, sizeof folder - 1, file);
      folder[length] = '\0';
      std::fclose(file);
      ::SetCurrentDirectoryW(Widen(folder).c_str());
    }
  }
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == g_recordShownDayMessage)
    Record("shown|" + ShownDayKey());
  return ::CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  SystemCalls& calls = TheSystemCalls();
  g_realNotifyIcon = calls.notifyIcon;
  calls.notifyIcon = &RecordNotifyIcon;
  calls.shellExecute = &RecordShellExecute;
  calls.winHelp = &RecordWinHelp;
  calls.playSound = &RecordPlaySound;
  g_realHasWinHelpViewer = calls.hasWinHelpViewer;
  calls.hasWinHelpViewer = &PlayedWinHelpViewer;
  calls.getLocalTime = &PlayedLocalTime;
  calls.browseForFolder = &PlayedBrowseForFolder;
  calls.getOpenFileName = &PlayedGetOpenFileName;
  g_realQueryNotificationState = calls.queryUserNotificationState;
  calls.queryUserNotificationState = &PlayedNotificationState;
  g_changeDirectoryMessage = ::RegisterWindowMessageW(L"VesperalTestChangeDirectory");
  g_recordShownDayMessage = ::RegisterWindowMessageW(L"VesperalTestRecordShownDay");
  HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, &WatchPostedMessages, nullptr, ::GetCurrentThreadId());
  const int code = VesperalMain(instance);
  if (hook) ::UnhookWindowsHookEx(hook);
  return code;
}
