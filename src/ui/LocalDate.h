#pragma once
// Dates of the date pickers: local wall-clock times held as SYSTEMTIME.
#include <windows.h>

// Moves a local time by whole days. The arithmetic runs on the wall clock, so a step always lands on the
// neighbouring calendar day at the same time of day, whatever daylight saving does in between.
SYSTEMTIME ShiftDays(const SYSTEMTIME& time, int days);

bool IsSameDate(const SYSTEMTIME& time, int year, int month, int day);

SYSTEMTIME MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The date picker's range for the years first..last: 1 January 00:00:00 to 31 December 23:59:59.
void SetPickerYearRange(HWND picker, int firstYear, int lastYear);
// Where the user's locale is not Korean, the picker writes the date the Korean way, "2026년 3월 7일",
// instead of the user's long date ("Saturday, March 7, 2026"), which reads oddly among the Korean texts and
// does not fit the picker. A Korean locale keeps its own long date.
void UseKoreanDateWhereTheLocaleIsNot(HWND picker);
SYSTEMTIME GetPickerTime(HWND picker);
void SetPickerTime(HWND picker, const SYSTEMTIME& time);
