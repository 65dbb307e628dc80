#include "app/ReminderCheck.h"

#include "db/DaoException.h"
#include "diary/StoredReadMarks.h"
#include "reading/ReadingPlan.h"

ReminderCheck CheckReminder(const std::string& programDir, const HabitSettings& settings, const LocalTime& now) {
  ReminderCheck check;
  // Marks and readings can only take the balloon away, never bring it or move the next check.
  const auto anyDayHasReading = [](const CalendarDay&) { return true; };
  check.decision = DecideReminder(settings, ReadMarks{}, anyDayHasReading, now);
  if (!check.decision.dueNow) return check;
  check.decision.dueNow = false;

  const std::optional<ReadMarks> marks = ReadStoredMarks(programDir);
  if (!marks) return check;
  std::string range;
  const auto hasReading = [&](const CalendarDay& day) {
    try {
      CReadingPlan plan(programDir);
      const DayLookup lookup = plan.LookUpDay(day);
      range = lookup.day.strRange;
      // A balloon without text is no balloon to the shell: a reading needs its range text here.
      return lookup.day.bHasPassage && !range.empty();
    } catch (const CDaoException&) {
      return false;
    }
  };
  check.decision = DecideReminder(settings, *marks, hasReading, now);
  if (check.decision.dueNow) check.rangeText = range;
  return check;
}
