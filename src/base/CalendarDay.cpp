#include "base/CalendarDay.h"

#include <cstdio>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

bool IsValidDay(const CalendarDay& day) {
  return day.year >= 1 && day.year <= 9999 && day.day >= 1 && day.day <= DaysInMonth(day.year, day.month);
}

// The civil-from-days pair of algorithms (eras of 400 years, years starting in March), exact for every
// Gregorian date and free of the C library's time zone and 2038 limits.
long DayNumber(const CalendarDay& day) {
  const long y = day.year - (day.month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (day.month + (day.month > 2 ? -3 : 9)) + 2) / 5 + day.day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CalendarDay DayOfNumber(long number) {
  number += 719468;
  const long era = (number >= 0 ? number : number - 146096) / 146097;
  const long dayOfEra = number - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long monthIndex = (5 * dayOfYear + 2) / 153;
  CalendarDay day;
  day.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  day.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  day.year = static_cast<int>(yearOfEra + era * 400 + (day.month <= 2 ? 1 : 0));
  return day;
}

CalendarDay NextDay(const CalendarDay& day) { return DayOfNumber(DayNumber(day) + 1); }
CalendarDay PreviousDay(const CalendarDay& day) { return DayOfNumber(DayNumber(day) - 1); }

std::string DayKey(const CalendarDay& day) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d%02d", day.year, day.month, day.day);
  return key;
}

std::optional<CalendarDay> ParseDayKey(const std::string& key) {
  if (key.size() != 8) return std::nullopt;
  for (char c : key)
    if (c < '0' || c > '9') return std::nullopt;
  auto number = [&](size_t from, size_t count) { return std::stoi(key.substr(from, count)); };
  const CalendarDay day{number(0, 4), number(4, 2), number(6, 2)};
  if (!IsValidDay(day)) return std::nullopt;
  return day;
}
