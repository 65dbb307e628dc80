// Entry of the program's test builds: the program itself, with recorders in place of the calls whose effect
// lies outside it. Each call goes as one line to calls.log beside the exe; the tray calls are also made for
// real, the browser, help and sound calls are not. A posted "VesperalTestChangeDirectory" message makes the
// program change its current directory to the folder named in chdir.txt beside the exe, as a save dialog
// would. A file helpviewer.txt beside the exe plays the system's help viewer: "none" a system without one,
// anything else a system with one; without the file the real probe answers.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/VesperalApp.h"
#include "ui/SystemCalls.h"

namespace {

std::string BesideExe(const char* name) {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

unsigned long long Number(const void* handle) { return static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)); }

void Record(const std::string& line) {
  if (FILE* log = std::fopen(BesideExe("calls.log").c_str(), "ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

std::string Text(const char* text) { return text ? text : "(null)"; }

BOOL(WINAPI* g_realNotifyIcon)(DWORD, PNOTIFYICONDATAA) = nullptr;

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAA data) {
  char line[400];
  std::snprintf(line, sizeof line, "notify|%lu|%lu|%llu|%u|%u|%u|%d|%s", static_cast<unsigned long>(message),
                static_cast<unsigned long>(data->cbSize), Number(data->hWnd), data->uID, data->uFlags,
                data->uCallbackMessage, data->hIcon ? 1 : 0, (data->uFlags & NIF_TIP) ? data->szTip : "");
  Record(line);
  return g_realNotifyIcon(message, data);
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show) {
  Record("browser|" + std::to_string(Number(owner)) + "|" + Text(verb) + "|" + Text(file) + "|" + Text(parameters) +
         "|" + Text(directory) + "|" + std::to_string(show));
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

BOOL WINAPI RecordWinHelp(HWND owner, LPCSTR helpFile, UINT command, ULONG_PTR data) {
  Record("help|" + std::to_string(Number(owner)) + "|" + Text(helpFile) + "|" + std::to_string(command) + "|" +
         std::to_string(static_cast<unsigned long long>(data)));
  return TRUE;
}

BOOL WINAPI RecordPlaySound(LPCSTR sound, HMODULE module, DWORD flags) {
  Record("sound|" + Text(sound) + "|" + std::to_string(Number(module)) + "|" + std::to_string(flags));
  return TRUE;
}

bool (*g_realHasWinHelpViewer)() = nullptr;

bool PlayedWinHelpViewer() {
  FILE* file = std::fopen(BesideExe("helpviewer.txt").c_str(), "rb");
  if (!file) return g_realHasWinHelpViewer();
  char answer[8] = "";
  const size_t length = std::fread(answer, 1, sizeof answer - 1, file);
  std::fclose(file);
  return std::string(answer, length) != "none";
}

UINT g_changeDirectoryMessage = 0;

LRESULT CALLBACK WatchPostedMessages(int code, WPARAM removal, LPARAM message) {
  const MSG* msg = reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == g_changeDirectoryMessage) {
    char folder[MAX_PATH] = "";
    if (FILE* file = std::fopen(BesideExe("chdir.txt").c_str(), "rb")) {
      const size_t length = std::fread(folder, 1, sizeof folder - 1, file);
      folder[length] = '\0';
      std::fclose(file);
      ::SetCurrentDirectoryA(folder);
    }
  }
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
  g_changeDirectoryMessage = ::RegisterWindowMessageA("VesperalTestChangeDirectory");
  HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, &WatchPostedMessages, nullptr, ::GetCurrentThreadId());
  const int code = VesperalMain(instance);
  if (hook) ::UnhookWindowsHookEx(hook);
  return code;
}
