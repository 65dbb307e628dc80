#pragma once
// The hidden main frame: the one window that lives as long as the program. It owns the tray icon, answers
// the tray's mouse messages and a second start's wake-up, shows the tray menu and carries out its commands.
#include <windows.h>

#include "app/Reminder.h"
#include "app/TrayRules.h"

class CReadingDlg;
class CSettingsDlg;

// The reading window that runs now, or null; it lives on the stack of whoever runs it.
extern CReadingDlg* g_pReadingDlg;

// The publisher's homepage, opened by the tray menu.
extern const char kHomepageAddress[];
// The help topic that the help command opens.
constexpr ULONG_PTR kHelpContext = 98393;

class CMainFrame {
 public:
  // Creates the frame's window, not shown; a reading window counts as open until start-up says otherwise.
  explicit CMainFrame(HINSTANCE instance);
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }

  // Start-up says whether a reading window runs: until then one counts as open.
  void SetReadingOpen(bool open) { m_bReadingOpen = open; }
  // Start-up, once the tray icon is there: the reminder asks for the first time (a start after the chosen
  // time shows the day's balloon at once) and sets its timer.
  void StartReminder() { m_reminder.Start(m_hWnd); }
  // The daily reminder: its settings, which the settings dialog reads and changes.
  CReminder& Reminder() { return m_reminder; }

 private:
  // True while a reading window runs.
  bool m_bReadingOpen = false;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnTrayNotify(LPARAM mouseMessage);
  // Carries out the steps of a tray response in the order of its fields.
  void Respond(const TrayResponse& response);
  void ShowTrayMenu();
  void OpenReadingWindow(ReadingAction action = ReadingAction::kNone);
  void OnHomepage();
  void OnHelp();
  // Runs the settings window and hands a confirmed choice to the reminder, which stores it.
  void OnSettings();
  void OnClose();
  void OnEndSession();

  HWND m_hWnd = nullptr;
  HINSTANCE m_hInstance;
  UINT m_nTaskbarCreated;
  CReminder m_reminder;
  // The settings window while it runs.
  CSettingsDlg* m_pSettingsDlg = nullptr;
};

// Runs a reading window owned by `owner` until the user closes it, with g_pReadingDlg pointing at it. The
// window does `action` once it is shown.
void RunReadingWindow(HWND owner, ReadingAction action = ReadingAction::kNone);
