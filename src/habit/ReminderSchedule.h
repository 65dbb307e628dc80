#pragma once
// When the tray shows the daily reminder balloon. The tray asks at start, on resuming from sleep, when the
// clock is set, when its timer fires and when a setting changes, passing "now"; it never reads the clock here.
//
// The rules: with the reminder on, the balloon of a day is due from the chosen time of that day until the
// day ends, once: not when it was shown that day already, not when the day is marked read, not when the
// day has no reading. A start or a resume after the time (the computer was off or asleep) therefore shows
// it at once, if the day is still unread. The day is always the day of "now": after midnight, and on
// 1 January (a new plan year, which may have no plan), the new day's marks and reading decide.
#include <functional>
#include <optional>

#include "base/CalendarDay.h"
#include "base/LocalTime.h"
#include "habit/HabitSettings.h"
#include "habit/ReadMarks.h"

struct ReminderDecision {
  bool dueNow = false;
  // When to ask again: the chosen time of today or of tomorrow; none while the reminder is off.
  std::optional<LocalTime> nextCheck;
};

ReminderDecision DecideReminder(const HabitSettings& settings, const ReadMarks& marks,
                                const std::function<bool(const CalendarDay& day)>& hasReading, const LocalTime& now);

// Seconds from `from` to `to` (negative when `to` is earlier), for the tray's timer.
long long SecondsBetween(const LocalTime& from, const LocalTime& to);

// The longest wait of the tray's timer: a clock set forward or back is noticed within it even where the
// system sends no word of the change.
inline constexpr long long kLongestReminderWait = 3600;
// How long the tray's timer waits before asking again: until the next check, but at least a second (a timer
// that fired a moment early asks again soon) and at most kLongestReminderWait. None while the reminder is off.
std::optional<long long> ReminderWaitSeconds(const ReminderDecision& decision, const LocalTime& now);
