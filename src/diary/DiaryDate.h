#pragma once
// The diary's two text forms of a date: the eight-digit date key and the display text of the search list
// and the export file. Text is UTF-8.
#include <string>

struct DiaryDate {
  int year = 0, month = 0, day = 0;
};

// "%04d%02d%02d".
std::string MakeDateKey(int year, int month, int day);
// "%4d년 %2d월 %2d일": sixteen characters (nineteen bytes of UTF-8), the month at characters 6-7 and the
// day at characters 10-11.
std::string FormatDisplayDate(int year, int month, int day);
// The same text appended to `out`.
void AppendDisplayDate(std::string& out, int year, int month, int day);

// Reads a date key's bytes 0-3, 4-5 and 6-7 as numbers, as atoi reads them.
DiaryDate ParseDateKey(const std::string& key);
