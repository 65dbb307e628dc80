#pragma once
// A local date and time of day, as the program's clock gives it.
#include "base/CalendarDay.h"

struct LocalTime {
  CalendarDay day;
  int secondOfDay = 0;  // 0..86399

  bool operator==(const LocalTime& other) const { return day == other.day && secondOfDay == other.secondOfDay; }
};
