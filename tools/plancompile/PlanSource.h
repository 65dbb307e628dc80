#pragma once
// The reading plan of one year as read from its UTF-8 source text (format: README.md, "Reading-plan sources").
#include <istream>
#include <string>
#include <vector>

struct PlanVerse {
  std::string number;  // as written: digits, then optionally letters ("12", "007", "12a")
  std::string text;    // continuation lines joined with one blank
  int line = 0;
};

struct PlanDay {
  int month = 0, day = 0;
  std::string range;
  std::vector<PlanVerse> verses;  // reading order
  int line = 0;
};

struct PlanMonth {
  int month = 0;
  std::string title;
  int line = 0;
};

struct PlanSource {
  std::string yearTitle;  // may hold the placeholder {year}
  std::vector<PlanMonth> months;
  std::vector<PlanDay> days;  // in source order
};

constexpr size_t MAX_VERSE_NUMBER_CHARS = 7;  // what the program's verse number field holds

// Reads and checks a whole source. Throws SourceError naming fileName and the line at the first fault.
PlanSource ParsePlanSource(std::istream& in, const std::string& fileName);

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);

// The year title with every {year} replaced by the year.
std::string YearTitleFor(const PlanSource& plan, int year);
// The days that exist in the given year: 29 February is left out of a year that is not a leap year.
std::vector<const PlanDay*> DaysOfYear(const PlanSource& plan, int year);
