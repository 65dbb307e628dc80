#pragma once
// The tests' view of a date picker's value as the control holds it: a local time (SYSTEMTIME), read and
// written by the control's own messages, so that a test sees what the user sees.
#include <windows.h>

#include <commctrl.h>

inline SYSTEMTIME MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  FILETIME fileTime;
  if (::SystemTimeToFileTime(&time, &fileTime)) ::FileTimeToSystemTime(&fileTime, &time);
  return time;
}

inline bool IsSameDate(const SYSTEMTIME& time, int year, int month, int day) {
  return time.wYear == year && time.wMonth == month && time.wDay == day;
}

inline SYSTEMTIME GetPickerTime(HWND picker) {
  SYSTEMTIME time{};
  ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return time;
}

inline void SetPickerTime(HWND picker, const SYSTEMTIME& time) {
  ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}
