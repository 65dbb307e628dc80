#pragma once
// A day of the Gregorian calendar as the habit rules count with it: a serial number, so that "the day
// before", runs of days and the days of a year are plain arithmetic. Converts to and from the diary's
// eight-digit date key YYYYMMDD, the form the read marks are stored in.
#include <optional>
#include <string>

struct CalendarDay {
  int year = 0, month = 0, day = 0;

  bool operator==(const CalendarDay& other) const {
    return year == other.year && month == other.month && day == other.day;
  }
  bool operator!=(const CalendarDay& other) const { return !(*this == other); }
};

// True for a real date of the years 1..9999.
bool IsValidDay(const CalendarDay& day);
// Days since 1 January 1970 (negative before it); only for valid days.
long DayNumber(const CalendarDay& day);
CalendarDay DayOfNumber(long number);
CalendarDay NextDay(const CalendarDay& day);
CalendarDay PreviousDay(const CalendarDay& day);
// "YYYYMMDD".
std::string DayKey(const CalendarDay& day);
// Exactly eight digits naming a real date; anything else is none.
std::optional<CalendarDay> ParseDayKey(const std::string& key);
