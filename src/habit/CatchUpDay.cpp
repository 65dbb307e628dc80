#include "habit/CatchUpDay.h"

std::optional<CalendarDay> FindCatchUpDay(const ReadMarks& marks, const CalendarDay& today,
                                          const HasReading& hasReading) {
  const long last = DayNumber(today);
  // Marked days are skipped before the plan is asked, which costs a file lookup each.
  for (long number = DayNumber({today.year, 1, 1}); number <= last; ++number) {
    const CalendarDay day = DayOfNumber(number);
    if (!marks.IsMarked(day) && hasReading(day)) return day;
  }
  return std::nullopt;
}
