#include "diary/DiaryDate.h"

#include <algorithm>
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

namespace {

// Appends a number of 0 to 9999 right-aligned in `width` places, blanks in front, as "%*d" does.
void AppendPadded(std::string& out, int number, int width) {
  char digits[4];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0);
  for (int i = count; i < width; ++i) out += ' ';
  while (count > 0) out += digits[--count];
}

}  // namespace

std::string FormatDisplayDate(int year, int month, int day) {
  std::string text;
  AppendDisplayDate(text, year, month, day);
  return text;
}

void AppendDisplayDate(std::string& out, int year, int month, int day) {
  // The dates of the diary are formatted without the C library (the export formats thousands of them);
  // anything out of range goes through it.
  if (year < 0 || year > 9999 || month < 0 || month > 99 || day < 0 || day > 99) {
    char text[64];
    std::snprintf(text, sizeof text, "%4d년 %2d월 %2d일", year, month, day);
    out += text;
    return;
  }
  AppendPadded(out, year, 4);
  out += "년 ";
  AppendPadded(out, month, 2);
  out += "월 ";
  AppendPadded(out, day, 2);
  out += "일";
}

DiaryDate ParseDateKey(const std::string& key) {
  // Keys made by the diary are eight digits, read here directly (the export reads thousands of them).
  if (key.size() == 8 && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const auto digits = [&](size_t pos, size_t count) {
      int number = 0;
      for (size_t i = pos; i < pos + count; ++i) number = number * 10 + (key[i] - '0');
      return number;
    };
    return DiaryDate{digits(0, 4), digits(4, 2), digits(6, 2)};
  }
  return DiaryDate{NumberAt(key, 0, 4), NumberAt(key, 4, 2), NumberAt(key, 6, 2)};
}
