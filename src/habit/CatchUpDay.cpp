#include "habit/CatchUpDay.h"

CatchUp FindCatchUpDay(const ReadMarks& marks, const CalendarDay& today, const HasReading& hasReading) {
  const long first = DayNumber({today.year, 1, 1}), last = DayNumber(today);
  // Marked days are skipped before the plan is asked, which costs a file lookup each.
  for (long number = first; number <= last; ++number) {
    const CalendarDay day = DayOfNumber(number);
    if (!marks.IsMarked(day) && hasReading(day)) return {CatchUp::Outcome::kFound, day};
  }
  // Nothing left to read: the marked days tell whether there was anything to read at all.
  for (long number = first; number <= last; ++number) {
    const CalendarDay day = DayOfNumber(number);
    if (marks.IsMarked(day) && hasReading(day)) return {CatchUp::Outcome::kAllRead, {}};
  }
  return {CatchUp::Outcome::kNoReading, {}};
}
