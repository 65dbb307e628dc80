#pragma once
// The settings window "설정": the daily reminder on or off, and its time of day, the reading page's text size
// and the diary's backups. The first time the reminder is ticked, a line tells how to keep the tray icon in
// sight. It edits a copy of the reminder's settings, storing them is the caller's business; the text size is
// stored when the window is confirmed (CTextSizeList), the backups' part acts at once (CBackupControls).
#include <windows.h>

#include <string>

#include "app/BackupControls.h"
#include "app/TextSizeList.h"
#include "habit/HabitSettings.h"
#include "ui/DialogBase.h"

class CSettingsDlg : public CDialogBase {
 public:
  // `helpWindow` gets the help command on F1. The backups are those of the diary in `programDir` (ending in
  // a backslash), by default the program's folder.
  CSettingsDlg(HWND owner, const HabitSettings& settings, HWND helpWindow, const std::string& programDir = {});

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
  CBackupControls m_backups;
  CTextSizeList m_textSize;
  bool m_bTrayTipShown = false;
};

