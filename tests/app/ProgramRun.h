#pragma once
// End-to-end helpers: a program folder with a test build of the program and a plan for this year, program
// processes started in it, their windows found by process and class, and the calls they recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/StartupRules.h"
#include "app/TrayIcon.h"
#include "core/PlanTestDir.h"
#include "res/Resource.h"
#include "ui/WideText.h"
#include "ui/WindowText.h"

// Runs `done` until it holds or `timeoutMs` passes, delivering the test's own messages meanwhile, since a
// program may be waiting on a message sent to one of our windows.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
  }
}

inline std::string ClassOf(HWND window) {
  wchar_t name[64] = L"";
  ::GetClassNameW(window, name, 64);
  return Narrow(name);
}

inline std::string TitleOf(HWND window) { return WindowTextUtf8(window); }

struct WindowSearch {
  DWORD processId;
  std::string className;
  bool visibleOnly;
  std::vector<HWND> found;
};

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto& s = *reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == s.processId && ClassOf(window) == s.className && (!s.visibleOnly || ::IsWindowVisible(window)))
    s.found.push_back(window);
  return TRUE;
}

// Top-level windows of a process with the given class, visible ones only when asked.
inline std::vector<HWND> WindowsOf(DWORD processId, const std::string& className, bool visibleOnly) {
  WindowSearch search{processId, className, visibleOnly, {}};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The icons that the tray shows now. Without a desktop of its own, Wine shows the tray as a window of
// its own with one child window per icon.
inline int TrayIconCount() {
  HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
  int count = 0;
  for (HWND icon = tray ? ::GetWindow(tray, GW_CHILD) : nullptr; icon; icon = ::GetWindow(icon, GW_HWNDNEXT))
    count += ClassOf(icon) == "__winex11_tray_icon" && ::IsWindowVisible(icon) ? 1 : 0;
  return count;
}

// True when `upper` lies above `lower` in the z-order of the desktop.
inline bool IsAbove(HWND upper, HWND lower) {
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (w == upper) return true;
    if (w == lower) return false;
  }
  return false;
}

// A window of the test's own, put in front of the others, so that a test can see another come above it.
class CoverWindow {
 public:
  CoverWindow()
      : m_hWnd(::CreateWindowExA(0, "STATIC", "cover", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                 nullptr, nullptr)) {
    ::SetForegroundWindow(m_hWnd);
  }
  ~CoverWindow() { ::DestroyWindow(m_hWnd); }
  CoverWindow(const CoverWindow&) = delete;
  CoverWindow& operator=(const CoverWindow&) = delete;
  HWND Get() const { return m_hWnd; }
  // Brings the cover above `window` and waits until the desktop has settled so: events of the desktop that
  // arrive late may put the other window back on top once.
  bool Covers(HWND window) const {
    for (int attempt = 0; attempt < 5; ++attempt) {
      ::SetForegroundWindow(m_hWnd);
      ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
      WaitUntil([] { return false; }, 200);
      if (IsAbove(m_hWnd, window)) return true;
    }
    return false;
  }

 private:
  HWND m_hWnd;
};

// A program folder: a test build of the program, its call log, and a plan for this year so that the
// reading window opens without a message. The folder may be a subfolder named by UTF-8 text.
class ProgramFolder {
 public:
  explicit ProgramFolder(const char* exeName = "VesperalRecording.exe", const std::string& subDir = {})
      : m_exeName(exeName) {
    if (!subDir.empty()) m_dir.UseSubDir(subDir);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_dir.WritePlan(now.wYear,
                    "INSERT INTO YEAR VALUES(" + std::to_string(now.wYear) + ", 'plan');" +
                        "INSERT INTO DAYRANGE VALUES(" + std::to_string(now.wMonth) + ", " + std::to_string(now.wDay) +
                        ", 1, 'range');" + "INSERT INTO DAY VALUES(1, 1, '1', 'first verse');");
    wchar_t self[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring built(self);
    built = built.substr(0, built.find_last_of(L'\\') + 1) + Widen(exeName);
    m_copied = ::CopyFileW(built.c_str(), Widen(ExePath()).c_str(), FALSE) != FALSE;
  }

  bool Ready() const { return m_copied; }
  // Replaces the plan of `year` by one of the four tables and the given UTF-8 SQL.
  void ReplacePlan(int year, const std::string& utf8Sql) const {
    m_dir.Remove(std::to_string(year) + ".dat");
    m_dir.WritePlan(year, utf8Sql);
  }
  const std::string& Dir() const { return m_dir.ProgramDir(); }
  std::string ExePath() const { return Dir() + m_exeName; }

  // The calls recorded so far, one line each, fields split at '|'.
  std::vector<std::vector<std::string>> Calls() const {
    std::vector<std::vector<std::string>> calls;
    std::istringstream lines(TestFiles::Read(Dir() + "calls.log"));
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> fields;
      size_t start = 0;
      for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
        fields.push_back(line.substr(start, bar - start));
      fields.push_back(line.substr(start));
      calls.push_back(fields);
    }
    return calls;
  }
  // The recorded calls of one kind ("notify", "browser", "help", "sound").
  std::vector<std::vector<std::string>> Calls(const std::string& kind) const {
    std::vector<std::vector<std::string>> chosen;
    for (auto& call : Calls())
      if (call[0] == kind) chosen.push_back(call);
    return chosen;
  }

 private:
  PlanTestDir m_dir;
  std::string m_exeName;
  bool m_copied = false;
};

// One program process; a process still running when the object goes is ended.
class ProgramProcess {
 public:
  ProgramProcess() = default;
  ~ProgramProcess() {
    if (m_info.hProcess) {
      if (IsRunning()) {
        ::TerminateProcess(m_info.hProcess, 99);
        ::WaitForSingleObject(m_info.hProcess, 5000);
      }
      ::CloseHandle(m_info.hProcess);
      ::CloseHandle(m_info.hThread);
    }
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // Starts the program with `arguments` after its name; the current directory is `workDir`, or the
  // program folder.
  bool Start(const ProgramFolder& folder, const std::string& arguments, const std::string& workDir = {}) {
    return StartRaw(folder, arguments.empty() ? "" : " " + arguments, workDir);
  }
  // The same with the exact text after the program name, blanks included.
  bool StartRaw(const ProgramFolder& folder, const std::string& afterName, const std::string& workDir = {}) {
    std::wstring commandLine = Widen("\"" + folder.ExePath() + "\"" + afterName);
    const std::wstring dir = Widen(workDir.empty() ? folder.Dir() : workDir);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                            &m_info) != FALSE;
  }

  DWORD Id() const { return m_info.dwProcessId; }
  bool IsRunning() const { return ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
  // The exit code once the process ended within `timeoutMs`, else -1.
  long ExitCode(int timeoutMs = 10000) const {
    if (!WaitUntil([this] { return !IsRunning(); }, timeoutMs)) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return static_cast<long>(code);
  }

  HWND MainFrame() const {
    auto frames = WindowsOf(Id(), "VesperalMainFrame", false);
    return frames.empty() ? nullptr : frames.front();
  }
  // The visible dialogs of the process: the reading window, or a message box.
  std::vector<HWND> Dialogs() const { return WindowsOf(Id(), "#32770", true); }
  HWND ReadingWindow() const {
    for (HWND dialog : Dialogs())
      if (TitleOf(dialog).rfind(std::string(kAppTitle) + " - ", 0) == 0) return dialog;
    return nullptr;
  }
  HWND Menu() const {
    auto menus = WindowsOf(Id(), "#32768", true);
    return menus.empty() ? nullptr : menus.front();
  }

  // Waits until the frame has added its icon and the thread has gone through start-up to a message loop.
  // A sent message may be handled inside a call of start-up's own, before the reading window exists, so
  // a start-up reading window is waited for a moment besides.
  bool WaitUntilIdle(const ProgramFolder& folder) {
    if (!WaitUntil([&] { return MainFrame() && !folder.Calls("notify").empty(); })) return false;
    if (!Roundtrip()) return false;
    WaitUntil([this] { return ReadingWindow() != nullptr; }, 700);
    return Roundtrip();
  }
  // A message to the frame and back: everything the program was given before has been handled.
  bool Roundtrip() const {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutW(MainFrame(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
  }

  void Tray(LPARAM mouseMessage) const { ::PostMessageW(MainFrame(), WM_TRAYNOTIFY, kTrayIconId, mouseMessage); }
  void Command(WORD id) const { ::PostMessageW(MainFrame(), WM_COMMAND, id, 0); }
  // Closes the reading window as its close button does and waits until it is gone.
  bool CloseReading() const {
    HWND reading = ReadingWindow();
    if (!reading) return false;
    ::PostMessageW(reading, WM_COMMAND, IDOK, 0);
    return WaitUntil([this] { return ReadingWindow() == nullptr; });
  }
  // The exit command, as the tray menu gives it.
  long Exit() const {
    Command(ID_APP_EXIT);
    return ExitCode();
  }

 private:
  PROCESS_INFORMATION m_info{};
};
