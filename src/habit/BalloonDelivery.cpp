#include "habit/BalloonDelivery.h"

bool BalloonCountsAsShown(long trayMessage) {
  return trayMessage == kShellBalloonShown || trayMessage == kShellBalloonClicked;
}

bool AcceptsNotifications(std::optional<int> state) {
  if (!state) return true;
  switch (static_cast<UserNotificationState>(*state)) {
    case UserNotificationState::kNotPresent:
    case UserNotificationState::kBusy:
    case UserNotificationState::kFullScreen3d:
    case UserNotificationState::kPresentation:
    case UserNotificationState::kQuietTime:
      return false;
    default:
      return true;
  }
}

LocalTime SecondsLater(const LocalTime& at, long long seconds) {
  const long long second = at.secondOfDay + seconds;
  if (second < 86400) return LocalTime{at.day, static_cast<int>(second)};
  return LocalTime{NextDay(at.day), static_cast<int>(second - 86400)};
}

void BalloonSending::Sent(const LocalTime& now) {
  if (m_day != now.day) m_count = 0;
  m_day = now.day;
  ++m_count;
  m_last = now;
}

std::optional<CalendarDay> BalloonSending::Reported(long trayMessage) {
  if (!BalloonCountsAsShown(trayMessage) || !m_day) return std::nullopt;
  const CalendarDay day = *m_day;
  *this = BalloonSending();
  return day;
}

ReminderDecision BalloonSending::Plan(const ReminderDecision& decision, bool userAccepts, const LocalTime& now) const {
  if (!decision.dueNow) return decision;
  const bool sentToday = m_day == now.day;
  // A shell that has not reported the day's last tries will not report another.
  if (sentToday && m_count >= kMostBalloonsADay) return ReminderDecision{false, decision.nextCheck};
  if (sentToday && SecondsBetween(m_last, now) < kUnreportedBalloonWait)
    return ReminderDecision{false, SecondsLater(m_last, kUnreportedBalloonWait)};
  if (!userAccepts) return ReminderDecision{false, SecondsLater(now, kNotificationRetryWait)};
  return ReminderDecision{true, SecondsLater(now, kUnreportedBalloonWait)};
}
