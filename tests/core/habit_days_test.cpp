#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "HabitPrinters.h"
#include "base/CalendarDay.h"
#include "habit/ReadMarks.h"

namespace {

TEST(CalendarDayTest, DayNumbersCountEveryDayOnceAcrossLeapYearsAndCenturies) {
  EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
  EXPECT_EQ(DayNumber({1969, 12, 31}), -1);
  // Each day's successor is the next number and reads back as the same date, over four centuries.
  CalendarDay day{1899, 12, 31};
  long number = DayNumber(day);
  for (int i = 0; i < 146097 + 400; ++i) {
    const CalendarDay next = NextDay(day);
    ASSERT_TRUE(IsValidDay(next)) << DayKey(day);
    ASSERT_EQ(DayNumber(next), number + 1) << DayKey(next);
    ASSERT_EQ(PreviousDay(next), day) << DayKey(next);
    day = next;
    ++number;
  }
  const struct {
    CalendarDay day, next;
  } turns[] = {
      {{2024, 2, 28}, {2024, 2, 29}}, {{2024, 2, 29}, {2024, 3, 1}},  {{2100, 2, 28}, {2100, 3, 1}},
      {{2000, 2, 28}, {2000, 2, 29}}, {{2026, 12, 31}, {2027, 1, 1}},
  };
  for (const auto& turn : turns) EXPECT_EQ(NextDay(turn.day), turn.next) << DayKey(turn.day);
}

TEST(CalendarDayTest, OnlyEightDigitsNamingARealDateParseAsADayKey) {
  const struct {
    const char* key;
    std::optional<CalendarDay> day;
  } rows[] = {
      {"20261207", CalendarDay{2026, 12, 7}},
      {"20240229", CalendarDay{2024, 2, 29}},
      {"20230229", std::nullopt},
      {"20261301", std::nullopt},
      {"20261200", std::nullopt},
      {"2026127", std::nullopt},
      {"202612071", std::nullopt},
      {"2026-1-7", std::nullopt},
      {" 2026120", std::nullopt},
      {"00001231", std::nullopt},
      {"", std::nullopt},
      {"2026\xEC\x9B\x94"
       "7",
       std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseDayKey(row.key), row.day) << row.key;
  EXPECT_EQ(DayKey({987, 3, 4}), "09870304");
}

TEST(ReadMarksTest, DaysOfAYearAndRunsStopAtTheYearsEdgesAndGaps) {
  ReadMarks marks;
  for (const CalendarDay& day :
       {CalendarDay{2025, 12, 30}, CalendarDay{2025, 12, 31}, CalendarDay{2026, 1, 1}, CalendarDay{2026, 1, 2},
        CalendarDay{2026, 1, 4}, CalendarDay{2026, 12, 31}, CalendarDay{2027, 1, 1}})
    marks.Mark(day);
  marks.Mark({2026, 1, 2});  // marking twice keeps one mark
  EXPECT_EQ(marks.CountInYear(2026), 4);
  EXPECT_EQ(marks.CountInYear(2024), 0);
  const std::vector<CalendarDay> expected{{2026, 1, 1}, {2026, 1, 2}, {2026, 1, 4}, {2026, 12, 31}};
  EXPECT_EQ(marks.DaysOfYear(2026), expected);

  EXPECT_EQ(marks.RunEndingOn({2026, 1, 2}), 4);  // across the turn of the year
  EXPECT_EQ(marks.RunEndingOn({2026, 1, 3}), 0);
  EXPECT_EQ(marks.RunEndingOn({2026, 1, 4}), 1);
  EXPECT_EQ(marks.RunEndingOn({2025, 12, 30}), 1);  // the first mark of all
  marks.Unmark({2026, 1, 1});
  EXPECT_EQ(marks.RunEndingOn({2026, 1, 2}), 1);
  EXPECT_EQ(marks.RunEndingOn({2027, 1, 1}), 2);
}

}  // namespace
