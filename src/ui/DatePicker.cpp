#include "ui/DatePicker.h"

#include <commctrl.h>

#include "res/TextIds.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

namespace {

SYSTEMTIME LocalTimeOf(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  // Round trip through a file time to fill in the day of the week, which some controls show.
  FILETIME fileTime;
  if (::SystemTimeToFileTime(&time, &fileTime)) ::FileTimeToSystemTime(&fileTime, &time);
  return time;
}

SYSTEMTIME PickerTime(HWND picker) {
  SYSTEMTIME time{};
  ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return time;
}

void SetPickerTime(HWND picker, const SYSTEMTIME& time) {
  ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

}  // namespace

CalendarDay CalendarDayOf(const SYSTEMTIME& time) { return CalendarDay{time.wYear, time.wMonth, time.wDay}; }

LocalTime LocalNow() {
  SYSTEMTIME now{};
  TheSystemCalls().getLocalTime(&now);
  return LocalTime{CalendarDayOf(now), (now.wHour * 60 + now.wMinute) * 60 + now.wSecond};
}

CalendarDay Today() { return LocalNow().day; }

CalendarDay CDatePicker::Day() const { return CalendarDayOf(PickerTime(m_hWnd)); }

void CDatePicker::SetDay(const CalendarDay& day) {
  const SYSTEMTIME held = PickerTime(m_hWnd);
  SetPickerTime(m_hWnd, LocalTimeOf(day.year, day.month, day.day, held.wHour, held.wMinute, held.wSecond));
}

void CDatePicker::SetYearRange(int firstYear, int lastYear) {
  SYSTEMTIME range[2] = {LocalTimeOf(firstYear, 1, 1, 0, 0, 0), LocalTimeOf(lastYear, 12, 31, 23, 59, 59)};
  ::SendMessageW(m_hWnd, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

void CDatePicker::UseKoreanDateWhereTheLocaleIsNot() {
  if (PRIMARYLANGID(LANGIDFROMLCID(::GetUserDefaultLCID())) == LANG_KOREAN) return;
  const std::wstring format = Widen(LoadText(IDS_PICKER_KOREAN_DATE));
  ::SendMessageW(m_hWnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
}

void CDatePicker::UseTwentyFourHourClock() {
  ::SendMessageW(m_hWnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
}

int CDatePicker::MinuteOfDay() const {
  const SYSTEMTIME time = PickerTime(m_hWnd);
  return time.wHour * 60 + time.wMinute;
}

void CDatePicker::SetMinuteOfDay(int minuteOfDay) {
  const SYSTEMTIME held = PickerTime(m_hWnd);
  SetPickerTime(m_hWnd, LocalTimeOf(held.wYear, held.wMonth, held.wDay, minuteOfDay / 60, minuteOfDay % 60, 0));
}
