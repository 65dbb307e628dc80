#include "habit/ReadMarks.h"

#include <iterator>

std::vector<CalendarDay> ReadMarks::DaysOfYear(int year) const {
  std::vector<CalendarDay> days;
  const auto end = m_days.upper_bound(DayNumber({year, 12, 31}));
  for (auto it = m_days.lower_bound(DayNumber({year, 1, 1})); it != end; ++it) days.push_back(DayOfNumber(*it));
  return days;
}

int ReadMarks::CountInYear(int year) const {
  const auto first = m_days.lower_bound(DayNumber({year, 1, 1}));
  const auto end = m_days.upper_bound(DayNumber({year, 12, 31}));
  return static_cast<int>(std::distance(first, end));
}

// Walks back from `last` while the numbers stay consecutive: the cost is the run's length, not the
// number of marks.
int ReadMarks::RunEndingOn(const CalendarDay& last) const {
  long expected = DayNumber(last);
  auto it = m_days.find(expected);
  if (it == m_days.end()) return 0;
  int run = 0;
  while (*it == expected) {
    ++run;
    if (it == m_days.begin()) break;
    --it;
    --expected;
  }
  return run;
}
