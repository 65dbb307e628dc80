#include "habit/ReminderSchedule.h"

ReminderDecision DecideReminder(const HabitSettings& settings, const ReadMarks& marks,
                                const std::function<bool(const CalendarDay& day)>& hasReading, const LocalTime& now) {
  ReminderDecision decision;
  if (!settings.reminderOn) return decision;
  const int at = settings.reminderTime.SecondOfDay();
  const LocalTime tomorrow{NextDay(now.day), at};
  if (now.secondOfDay < at) {
    // Marks and the plan may change before the time comes; they are asked then.
    decision.nextCheck = LocalTime{now.day, at};
    return decision;
  }
  decision.nextCheck = tomorrow;
  const bool shownToday = settings.lastBalloonDay && *settings.lastBalloonDay == now.day;
  decision.dueNow = !shownToday && !marks.IsMarked(now.day) && hasReading(now.day);
  return decision;
}

long long SecondsBetween(const LocalTime& from, const LocalTime& to) {
  const long long days = static_cast<long long>(DayNumber(to.day)) - DayNumber(from.day);
  return days * 86400 + (to.secondOfDay - from.secondOfDay);
}

std::optional<long long> ReminderWaitSeconds(const ReminderDecision& decision, const LocalTime& now) {
  if (!decision.nextCheck) return std::nullopt;
  const long long wait = SecondsBetween(now, *decision.nextCheck);
  if (wait < 1) return 1;
  return wait < kLongestReminderWait ? wait : kLongestReminderWait;
}
