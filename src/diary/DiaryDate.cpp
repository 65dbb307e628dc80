#include "diary/DiaryDate.h"

#include <cstdio>
#include <cstdlib>

namespace {

// atoi over a piece of the text; a piece beyond the end reads as what is there.
int NumberAt(const std::string& text, size_t pos, size_t length) {
  if (pos >= text.size()) return 0;
  return std::atoi(text.substr(pos, length).c_str());
}

}  // namespace

std::string MakeDateKey(int year, int month, int day) {
  char key[32];
  std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, day);
  return key;
}

std::string FormatDisplayDate(int year, int month, int day) {
  char text[64];
  std::snprintf(text, sizeof text, "%4d년 %2d월 %2d일", year, month, day);
  return text;
}

DiaryDate ParseDateKey(const std::string& key) {
  return DiaryDate{NumberAt(key, 0, 4), NumberAt(key, 4, 2), NumberAt(key, 6, 2)};
}

bool ParseDisplayDate(const std::string& text, DiaryDate& date) {
  date = DiaryDate{NumberAt(text, 0, 4), NumberAt(text, 7, 2), NumberAt(text, 12, 2)};
  return text.size() >= 14 && IsCalendarDate(date);
}

bool IsCalendarDate(const DiaryDate& date) {
  static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.year < 1601 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) return false;
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int days = date.month == 2 && !leap ? 28 : kDays[date.month - 1];
  return date.day <= days;
}
