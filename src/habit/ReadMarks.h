#pragma once
// The days the reader has marked read, held in memory as day numbers in order. The diary's mark store
// fills it from memo.mdb and changes it only after a change was stored; the progress, catch-up and
// reminder rules read it.
#include <set>
#include <vector>

#include "base/CalendarDay.h"

class ReadMarks {
 public:
  void Mark(const CalendarDay& day) { m_days.insert(DayNumber(day)); }
  void Unmark(const CalendarDay& day) { m_days.erase(DayNumber(day)); }
  bool IsMarked(const CalendarDay& day) const { return m_days.count(DayNumber(day)) != 0; }
  // The marked days of the year, in order (the calendar's bold days).
  std::vector<CalendarDay> DaysOfYear(int year) const;
  int CountInYear(int year) const;
  // How many days in a row are marked, ending with `last` (0 when `last` is not marked).
  int RunEndingOn(const CalendarDay& last) const;
  size_t Size() const { return m_days.size(); }
  void Clear() { m_days.clear(); }

 private:
  std::set<long> m_days;
};
