#pragma once
// A date-and-time picker control (SysDateTimePick32) spoken to in the program's own terms: calendar days and
// minutes of the day. The control's SYSTEMTIME stays in this file and its implementation.
#include <windows.h>

#include "base/CalendarDay.h"
#include "base/LocalTime.h"

class CDatePicker {
 public:
  CDatePicker() = default;
  explicit CDatePicker(HWND picker) : m_hWnd(picker) {}
  void Attach(HWND picker) { m_hWnd = picker; }
  HWND Hwnd() const { return m_hWnd; }

  CalendarDay Day() const;
  // Shows the day, at the time of day the picker holds (a day step keeps it). A picker keeps its value within
  // its range and refuses a day outside it.
  void SetDay(const CalendarDay& day);
  // The days that can be chosen: 1 January 00:00:00 of `firstYear` to 31 December 23:59:59 of `lastYear`.
  void SetYearRange(int firstYear, int lastYear);
  // Where the user's locale is not Korean, the picker writes the date the Korean way, "2026년 3월 7일",
  // instead of the user's long date ("Saturday, March 7, 2026"), which reads oddly among the Korean texts and
  // does not fit the picker. A Korean locale keeps its own long date.
  void UseKoreanDateWhereTheLocaleIsNot();

  // For a picker of times: hours and minutes on the 24-hour clock in every locale, seconds not kept.
  void UseTwentyFourHourClock();
  int MinuteOfDay() const;
  void SetMinuteOfDay(int minuteOfDay);

 private:
  HWND m_hWnd = nullptr;
};

// The calendar day of a local time as the system gives it.
CalendarDay CalendarDayOf(const SYSTEMTIME& time);
// Now and today, from the program's clock (the system call table, which a test build plays).
LocalTime LocalNow();
CalendarDay Today();
