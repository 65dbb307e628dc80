#pragma once
// The hidden main frame: the one window that lives as long as the program. It owns the tray icon, answers
// the tray's mouse messages and a second start's wake-up, shows the tray menu and carries out its commands,
// and runs the reading window and the settings window.
#include <windows.h>

#include "app/Reminder.h"
#include "app/TrayRules.h"
#include "ui/WindowBase.h"

class CReadingDlg;
class CSettingsDlg;

// The publisher's homepage, opened by the tray menu.
extern const char kHomepageAddress[];
// The help topic that the help command opens.
constexpr ULONG_PTR kHelpContext = 98393;

class CMainFrame : public CWindowBase {
 public:
  // Creates the frame's window, not shown; a reading window counts as open until Start says otherwise.
  explicit CMainFrame(HINSTANCE instance);

  // Start-up, once the tray icon is there: the reminder asks for the first time (a start after the chosen
  // time shows the day's balloon at once) and sets its timer; then the reading window runs, unless the
  // program starts in the tray.
  void Start(bool openReading);
  // The daily reminder: its settings, which the settings dialog reads and changes.
  CReminder& Reminder() { return m_reminder; }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnTrayNotify(LPARAM mouseMessage);
  // Carries out the steps of a tray response in the order of its fields.
  void Respond(const TrayResponse& response);
  void ShowTrayMenu();
  // Runs a reading window until the user closes it; it does `action` once it is shown.
  void OpenReadingWindow(ReadingAction action = ReadingAction::kNone);
  void OnHomepage();
  void OnHelp();
  // Runs the settings window and hands a confirmed choice to the reminder, which stores it.
  void OnSettings();
  void OnClose();
  void OnEndSession();

  HINSTANCE m_hInstance;
  UINT m_nTaskbarCreated;
  CReminder m_reminder;
  // True while a reading window runs (and during start-up, until Start).
  bool m_bReadingOpen = true;
  // The reading window while it runs; it lives on the stack of OpenReadingWindow.
  CReadingDlg* m_pReadingDlg = nullptr;
  // The settings window while it runs.
  CSettingsDlg* m_pSettingsDlg = nullptr;
};
