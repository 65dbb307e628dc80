#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "habit/BoldDays.h"
#include "habit/ReadMarks.h"

namespace {

ReadMarks MarksOf(const std::vector<CalendarDay>& days) {
  ReadMarks marks;
  for (const CalendarDay& day : days) marks.Mark(day);
  return marks;
}

TEST(BoldDaysTest, EachShownMonthGetsTheBitsOfItsOwnMarkedDays) {
  const ReadMarks marks = MarksOf({{2025, 12, 31},
                                   {2026, 1, 1},
                                   {2026, 1, 2},
                                   {2026, 1, 31},
                                   {2026, 2, 28},
                                   {2024, 2, 29},
                                   {2026, 3, 15},
                                   {9999, 12, 31},
                                   {1, 1, 1}});
  const struct {
    const char* name;
    int year, month, count;
    std::vector<uint32_t> bits;
  } rows[] = {
      {"a calendar over the turn of the year", 2025, 12, 3, {1u << 30, 1u | 2u | 1u << 30, 1u << 27}},
      {"a leap day", 2024, 2, 1, {1u << 28}},
      {"months without marks", 2026, 4, 2, {0, 0}},
      {"a longer run of months", 2026, 1, 13, {1u | 2u | 1u << 30, 1u << 27, 1u << 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"the last month of the last year", 9999, 12, 2, {1u << 30, 0}},
      {"the first month of the first year", 0, 12, 2, {0, 1}},
      {"no months", 2026, 1, 0, {}},
  };
  for (const auto& row : rows) EXPECT_EQ(BoldDayBits(marks, row.year, row.month, row.count), row.bits) << row.name;
}

TEST(BoldDaysTest, NoMarksMeanNoBoldDay) {
  EXPECT_EQ(BoldDayBits(ReadMarks{}, 2026, 11, 3), (std::vector<uint32_t>{0, 0, 0}));
}

}  // namespace
