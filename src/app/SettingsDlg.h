#pragma once
// The settings window "설정": the daily reminder on or off, and its time of day; the first time the reminder
// is ticked, a line tells how to keep the tray icon in sight. It edits a copy of the settings; storing them is
// the caller's business.
#include <windows.h>

#include "habit/HabitSettings.h"
#include "ui/DialogBase.h"

class CSettingsDlg : public CDialogBase {
 public:
  // `helpWindow` gets the help command on F1.
  CSettingsDlg(HWND owner, const HabitSettings& settings, HWND helpWindow);

  // The settings as the user left them; meaningful after the window ended with IDOK.
  const HabitSettings& Settings() const { return m_settings; }
  // The tray asked for the reading window, which opens only once this window is closed: the window says so
  // and flashes.
  void TellTheReadingWindowWaits();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;
  bool PreTranslateMessage(MSG& msg) override;

 private:
  // The time can be chosen only while the reminder is on.
  void EnableTimeWithReminder();
  // In the middle of the work area of the monitor the user works on (the one under the pointer), as a
  // message box opens, not at the screen's corner where a window owned by the hidden frame would.
  void CentreOnWorkArea();

  HabitSettings m_settings;
  HWND m_hHelpWnd;
  bool m_bTrayTipShown = false;
};

