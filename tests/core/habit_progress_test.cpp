#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "HabitPrinters.h"
#include "habit/CatchUpDay.h"
#include "habit/ReadingProgress.h"
#include "res/TextIds.h"

namespace {

ReadMarks MarksOf(const std::vector<CalendarDay>& days) {
  ReadMarks marks;
  for (const CalendarDay& day : days) marks.Mark(day);
  return marks;
}

// Marks every day from `first` to `last`.
void MarkSpan(ReadMarks& marks, CalendarDay first, const CalendarDay& last) {
  for (; DayNumber(first) <= DayNumber(last); first = NextDay(first)) marks.Mark(first);
}

TEST(ReadingProgressTest, CountsThisYearsMarksAndTheRunEndingTodayOrYesterday) {
  ReadMarks lastWeek = MarksOf({{2026, 12, 1}, {2026, 12, 2}, {2026, 12, 3}, {2026, 12, 5}, {2026, 12, 6}});
  ReadMarks acrossYears;
  MarkSpan(acrossYears, {2025, 12, 20}, {2026, 1, 3});
  const struct {
    const char* scenario;
    const ReadMarks& marks;
    CalendarDay today;
    ReadingProgress expected;
  } rows[] = {
      {"today marked: the run ends today", lastWeek, {2026, 12, 6}, {5, 2}},
      {"today not yet marked: the run ending yesterday stands", lastWeek, {2026, 12, 7}, {5, 2}},
      {"yesterday unmarked too: no run", lastWeek, {2026, 12, 8}, {5, 0}},
      {"a gap breaks the run", lastWeek, {2026, 12, 4}, {5, 3}},
      {"a day read ahead counts for the year, not for the run", lastWeek, {2026, 11, 30}, {5, 0}},
      {"the run crosses the turn of the year", acrossYears, {2026, 1, 3}, {3, 15}},
      {"last year's marks count for last year", acrossYears, {2025, 12, 31}, {12, 12}},
      {"no marks", ReadMarks(), {2026, 1, 1}, {0, 0}},
  };
  for (const auto& row : rows) EXPECT_EQ(ComputeProgress(row.marks, row.today), row.expected) << row.scenario;
}

TEST(ReadingProgressTest, TheTextTakesTheDaysAndTheRunInThatOrder) {
  const MessageText text = ProgressText({231, 12});
  ASSERT_EQ(text.Parts().size(), 1u);
  EXPECT_EQ(text.Parts()[0], (MessageText::Part{IDS_HABIT_PROGRESS, {"231", "12"}}));
  EXPECT_EQ(text.Render([](int) { return std::string("올해 %s일 읽음 · 연속 %s일"); }), "올해 231일 읽음 · 연속 12일");
}

TEST(CatchUpDayTest, TheEarliestUnmarkedDayWithAReadingUpToToday) {
  auto everyDay = [](const CalendarDay&) { return true; };
  auto noSundaysInJanuary = [](const CalendarDay& day) {
    return !(day.month == 1 && (DayNumber(day) + 4) % 7 == 0);  // 1970-01-01 was a Thursday
  };
  auto noPlan = [](const CalendarDay&) { return false; };
  ReadMarks januaryFirstWeek;
  MarkSpan(januaryFirstWeek, {2026, 1, 1}, {2026, 1, 3});
  ReadMarks wholeYearSoFar;
  MarkSpan(wholeYearSoFar, {2026, 1, 1}, {2026, 12, 7});
  ReadMarks lastYearOnly;
  MarkSpan(lastYearOnly, {2025, 1, 1}, {2025, 12, 31});
  const CatchUp allRead{CatchUp::Outcome::kAllRead, {}}, noReading{CatchUp::Outcome::kNoReading, {}};
  auto found = [](const CalendarDay& day) { return CatchUp{CatchUp::Outcome::kFound, day}; };
  const struct {
    const char* scenario;
    const ReadMarks& marks;
    HasReading hasReading;
    CalendarDay today;
    CatchUp expected;
  } rows[] = {
      {"the first day after the marked ones", januaryFirstWeek, everyDay, {2026, 12, 7}, found({2026, 1, 4})},
      {"a day without a reading is passed over", januaryFirstWeek, noSundaysInJanuary, {2026, 12, 7},
       found({2026, 1, 5})},
      {"today itself when every day before is marked", januaryFirstWeek, everyDay, {2026, 1, 4}, found({2026, 1, 4})},
      {"none when every day up to today is marked", wholeYearSoFar, everyDay, {2026, 12, 7}, allRead},
      {"days after today are not offered", wholeYearSoFar, everyDay, {2026, 12, 6}, allRead},
      {"last year's marks do not cover this year", lastYearOnly, everyDay, {2026, 1, 1}, found({2026, 1, 1})},
      {"nothing to read in a year without a plan", ReadMarks(), noPlan, {2027, 3, 1}, noReading},
      {"nor when its days were marked all the same", wholeYearSoFar, noPlan, {2026, 12, 7}, noReading},
  };
  for (const auto& row : rows)
    EXPECT_TRUE(FindCatchUpDay(row.marks, row.today, row.hasReading) == row.expected) << row.scenario;
}

}  // namespace
