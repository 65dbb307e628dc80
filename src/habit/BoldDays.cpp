#include "habit/BoldDays.h"

#include <map>

std::vector<uint32_t> BoldDayBits(const ReadMarks& marks, int year, int month, int count) {
  std::vector<uint32_t> bits(count > 0 ? static_cast<size_t>(count) : 0, 0);
  // Counted in months since year 0, so that a run crosses the turn of the year by plain addition.
  const long first = static_cast<long>(year) * 12 + (month - 1);
  std::map<int, std::vector<CalendarDay>> daysOfYear;  // the two or three years a calendar spans
  for (size_t i = 0; i < bits.size(); ++i) {
    const long shown = first + static_cast<long>(i);
    const int shownYear = static_cast<int>(shown / 12), shownMonth = static_cast<int>(shown % 12) + 1;
    if (shown < 12 || shownYear > 9999) continue;
    auto found = daysOfYear.find(shownYear);
    if (found == daysOfYear.end()) found = daysOfYear.emplace(shownYear, marks.DaysOfYear(shownYear)).first;
    for (const CalendarDay& day : found->second)
      if (day.month == shownMonth) bits[i] |= uint32_t{1} << (day.day - 1);
  }
  return bits;
}
