#include "ui/LocalDate.h"

#include <commctrl.h>

namespace {

constexpr ULONGLONG kFileTimeTicksPerDay = 86400ULL * 10000000ULL;

}  // namespace

SYSTEMTIME ShiftDays(const SYSTEMTIME& time, int days) {
  FILETIME fileTime;
  if (!::SystemTimeToFileTime(&time, &fileTime)) return time;
  ULARGE_INTEGER ticks;
  ticks.LowPart = fileTime.dwLowDateTime;
  ticks.HighPart = fileTime.dwHighDateTime;
  ticks.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(days)) * kFileTimeTicksPerDay;
  fileTime.dwLowDateTime = ticks.LowPart;
  fileTime.dwHighDateTime = ticks.HighPart;
  SYSTEMTIME shifted;
  if (!::FileTimeToSystemTime(&fileTime, &shifted)) return time;
  return shifted;
}

bool IsSameDate(const SYSTEMTIME& time, int year, int month, int day) {
  return time.wYear == year && time.wMonth == month && time.wDay == day;
}

SYSTEMTIME MakeLocalTime(int year, int month, int day, int hour, int minute, int second) {
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

void SetPickerYearRange(HWND picker, int firstYear, int lastYear) {
  SYSTEMTIME range[2] = {MakeLocalTime(firstYear, 1, 1), MakeLocalTime(lastYear, 12, 31, 23, 59, 59)};
  ::SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

void UseKoreanDateWhereTheLocaleIsNot(HWND picker) {
  if (PRIMARYLANGID(LANGIDFROMLCID(::GetUserDefaultLCID())) == LANG_KOREAN) return;
  ::SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"yyyy'년' M'월' d'일'"));
}

SYSTEMTIME GetPickerTime(HWND picker) {
  SYSTEMTIME time{};
  ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return time;
}

void SetPickerTime(HWND picker, const SYSTEMTIME& time) {
  ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}
