#include "app/SettingsDlg.h"

#include <commctrl.h>

#include "ui/AppMessageBox.h"
#include "ui/HelpKey.h"
#include "res/Resource.h"
#include "ui/DatePicker.h"
#include "ui/ModuleFolder.h"

namespace {

HWND TimePicker(HWND dialog) { return ::GetDlgItem(dialog, IDC_REMINDER_TIME); }

}  // namespace

CSettingsDlg::CSettingsDlg(HWND owner, const HabitSettings& settings, HWND helpWindow, const std::string& programDir)
    : CDialogBase(IDD_SETTINGS, owner),
      m_settings(settings),
      m_hHelpWnd(helpWindow),
      m_backups(programDir.empty() ? ModuleFolder() : programDir),
      m_textSize(programDir.empty() ? ModuleFolder() : programDir) {}

BOOL CSettingsDlg::OnInitDialog() {
  ::CheckDlgButton(m_hWnd, IDC_REMINDER_ON, m_settings.reminderOn ? BST_CHECKED : BST_UNCHECKED);
  CDatePicker picker(TimePicker(m_hWnd));
  picker.UseTwentyFourHourClock();
  picker.SetMinuteOfDay(m_settings.reminderTime.hour * 60 + m_settings.reminderTime.minute);
  EnableTimeWithReminder();
  m_textSize.Attach(m_hWnd);
  m_backups.Attach(m_hWnd);
  CentreOnWorkArea();
  // A window owned by the hidden frame comes up behind whatever the user works in unless brought forward.
  ::SetForegroundWindow(m_hWnd);
  return TRUE;
}

void CSettingsDlg::CentreOnWorkArea() {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!::GetMonitorInfoW(::MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSettingsDlg::TellTheReadingWindowWaits() {
  ::ShowWindow(GetDlgItem(IDC_SETTINGS_NOTE), SW_SHOWNA);
  ::SetForegroundWindow(m_hWnd);
  FLASHWINFO flash{sizeof flash, m_hWnd, FLASHW_ALL, 3, 0};
  ::FlashWindowEx(&flash);
}

bool CSettingsDlg::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_REMINDER_ON && code == BN_CLICKED) {
    EnableTimeWithReminder();
    if (ShowsTrayTip(m_settings, ::IsDlgButtonChecked(m_hWnd, IDC_REMINDER_ON) == BST_CHECKED)) {
      ::ShowWindow(GetDlgItem(IDC_TRAY_TIP), SW_SHOWNA);
      m_bTrayTipShown = true;
    }
    return true;
  }
  if (code == BN_CLICKED && m_backups.OnCommand(id)) return true;
  return CDialogBase::OnCommand(id, code, control);
}

void CSettingsDlg::OnOK() {
  m_settings.reminderOn = ::IsDlgButtonChecked(m_hWnd, IDC_REMINDER_ON) == BST_CHECKED;
  const int chosen = CDatePicker(TimePicker(m_hWnd)).MinuteOfDay();
  m_settings.reminderTime = ReminderTime{chosen / 60, chosen % 60};
  m_settings.trayTipShown = m_settings.trayTipShown || m_bTrayTipShown;
  const MessageText failure = m_textSize.Store();
  if (!failure.IsEmpty()) AppMessageBox(m_hWnd, failure, MB_OK | MB_ICONEXCLAMATION);
  EndDialog(IDOK);
}

bool CSettingsDlg::PreTranslateMessage(MSG& msg) {
  SendHelpOnF1(msg, m_hHelpWnd);
  return false;
}

void CSettingsDlg::EnableTimeWithReminder() {
  ::EnableWindow(TimePicker(m_hWnd), ::IsDlgButtonChecked(m_hWnd, IDC_REMINDER_ON) == BST_CHECKED);
}

