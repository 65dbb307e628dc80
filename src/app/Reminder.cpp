#include "app/Reminder.h"

#include "app/ReminderCheck.h"
#include "app/TrayIcon.h"
#include "habit/SettingsFile.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/DatePicker.h"
#include "ui/ModuleFolder.h"
#include "ui/OnDemandLibrary.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"

namespace {

constexpr UINT_PTR kReminderTimerId = 1;
static_assert(kShellBalloonShown == NIN_BALLOONSHOW && kShellBalloonClicked == NIN_BALLOONUSERCLICK &&
                  kShellBalloonHidden == NIN_BALLOONHIDE && kShellBalloonTimedOut == NIN_BALLOONTIMEOUT,
              "the delivery rules know the shell's words by their numbers");

// WTSRegisterSessionNotification and its undoing come from a library loaded only for them.
constexpr DWORD kNotifyForThisSession = 0;

// The user's notification state, or none when the system cannot tell.
std::optional<int> QueryNotificationState() {
  int state = 0;
  if (FAILED(TheSystemCalls().queryUserNotificationState(&state))) return std::nullopt;
  return state;
}

}  // namespace

CReminder::CReminder() : m_strProgramDir(ModuleFolder()), m_settings(ReadSettingsFile(m_strProgramDir).settings) {}

CReminder::~CReminder() { Stop(); }

void CReminder::Start(HWND frame) {
  m_hFrame = frame;
  m_hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(frame, GWLP_HINSTANCE));
  // Without the word (no such library), an unlock is noticed by the timer.
  if (const auto registerFor = LibraryFunctionAs<BOOL(WINAPI*)(HWND, DWORD)>("wtsapi32.dll", "WTSRegisterSessionNotification"))
    registerFor(frame, kNotifyForThisSession);
  Check();
}

void CReminder::Stop() {
  if (!m_hFrame) return;
  ::KillTimer(m_hFrame, kReminderTimerId);
  if (const auto unregister = LibraryFunctionAs<BOOL(WINAPI*)(HWND)>("wtsapi32.dll", "WTSUnRegisterSessionNotification"))
    unregister(m_hFrame);
  m_hFrame = nullptr;
}

void CReminder::Check() {
  if (!m_hFrame) return;
  const LocalTime now = LocalNow();
  const ReminderCheck check = CheckReminder(m_strProgramDir, m_settings, now);
  const bool userAccepts = !check.decision.dueNow || AcceptsNotifications(QueryNotificationState());
  const ReminderDecision step = m_sending.Plan(check.decision, userAccepts, now);
  // The timer is set before anything is shown: a message box runs a loop of its own in which it may fire.
  if (const auto wait = ReminderWaitSeconds(step, now))
    ::SetTimer(m_hFrame, kReminderTimerId, static_cast<UINT>(*wait * 1000), nullptr);
  else
    ::KillTimer(m_hFrame, kReminderTimerId);
  if (!step.dueNow) return;
  // Kept as sent first: the shell may say it showed the balloon while the call that sends it still waits.
  m_sending.Sent(now);
  ShowTrayBalloon(m_hFrame, m_hInstance, LoadText(IDS_REMINDER_TITLE), check.rangeText);
}

void CReminder::OnTrayNotify(long trayMessage) {
  const std::optional<CalendarDay> seen = m_sending.Reported(trayMessage);
  if (!seen) return;
  m_settings.lastBalloonDay = seen;
  Store();
}

bool CReminder::OnTimer(UINT_PTR timerId) {
  if (timerId != kReminderTimerId) return false;
  Check();
  return true;
}

void CReminder::ChangeSettings(const HabitSettings& s) {
  const std::optional<CalendarDay> lastBalloonDay = m_settings.lastBalloonDay;
  m_settings = s;
  m_settings.lastBalloonDay = lastBalloonDay;
  Store();
  Check();
}

void CReminder::Store() {
  const SettingsWriting writing = WriteSettingsFile(m_strProgramDir, m_settings);
  if (writing.written || m_bToldCannotWrite) return;
  m_bToldCannotWrite = true;
  AppMessageBox(m_hFrame, writing.Message(), MB_OK | MB_ICONEXCLAMATION);
}
