#pragma once
// Turns a schedule over a Bible text into the plan of one year, ready for the plan writer: the range text
// of every day, its verses with their numbers, the month and year titles.
#include <string>
#include <string_view>

#include "PlanSource.h"
#include "ReadingSchedule.h"
#include "TextCheck.h"

struct PlanTitles {
  std::string year = "{year}년 성경 읽기";  // {year} becomes the year
  std::string month = "{month}월";          // {month} becomes the month number
};

class VerseReader {
 public:
  virtual ~VerseReader() = default;
  // The plain text of one verse, UTF-8; empty when the text has none.
  virtual std::string PlainText(const VerseAt& verse) = 0;
};

// Plain verse text as the program shows it: blanks and line breaks folded into single blanks, the ends
// trimmed, control characters dropped, an em dash drawn as the horizontal bar, and every other character
// kept; a byte that is not UTF-8 becomes '?'.
std::string ShowableText(std::string_view utf8);

// Days whose passages have no verse with text are left without a reading.
PlanSource MakeModulePlan(const Schedule& schedule, const BibleOutline& outline, VerseReader& reader,
                          const PlanTitles& titles);
