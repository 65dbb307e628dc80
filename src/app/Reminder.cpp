#include "app/Reminder.h"

#include "app/ReminderCheck.h"
#include "app/TrayIcon.h"
#include "habit/SettingsFile.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/ModuleFolder.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"

namespace {

constexpr UINT_PTR kReminderTimerId = 1;

LocalTime LocalNow() {
  SYSTEMTIME now{};
  TheSystemCalls().getLocalTime(&now);
  return LocalTime{CalendarDay{now.wYear, now.wMonth, now.wDay}, (now.wHour * 60 + now.wMinute) * 60 + now.wSecond};
}

}  // namespace

CReminder::CReminder() : m_strProgramDir(ModuleFolder()), m_settings(ReadSettingsFile(m_strProgramDir).settings) {}

CReminder::~CReminder() {
  if (m_hFrame) ::KillTimer(m_hFrame, kReminderTimerId);
}

void CReminder::Start(HWND frame) {
  m_hFrame = frame;
  Check();
}

void CReminder::Check() {
  if (!m_hFrame) return;
  const LocalTime now = LocalNow();
  const ReminderCheck check = CheckReminder(m_strProgramDir, m_settings, now);
  // The timer is set before anything is shown: a message box runs a loop of its own in which it may fire.
  if (const auto wait = ReminderWaitSeconds(check.decision, now))
    ::SetTimer(m_hFrame, kReminderTimerId, static_cast<UINT>(*wait * 1000), nullptr);
  else
    ::KillTimer(m_hFrame, kReminderTimerId);
  if (!check.decision.dueNow) return;
  ShowTrayBalloon(m_hFrame, LoadText(IDS_REMINDER_TITLE), check.rangeText);
  m_settings.lastBalloonDay = now.day;
  Store();
}

bool CReminder::OnTimer(UINT_PTR timerId) {
  if (timerId != kReminderTimerId) return false;
  Check();
  return true;
}

void CReminder::ChangeSettings(const HabitSettings& s) {
  m_settings = s;
  Store();
  Check();
}

void CReminder::Store() {
  const SettingsWriting writing = WriteSettingsFile(m_strProgramDir, m_settings);
  if (writing.written || m_bToldCannotWrite) return;
  m_bToldCannotWrite = true;
  AppMessageBox(m_hFrame, writing.Message(), MB_OK | MB_ICONEXCLAMATION);
}
