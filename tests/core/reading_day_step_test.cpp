// Which day buttons can move the shown date at and near the ends of the selectable range.
#include <gtest/gtest.h>

#include <string>

#include "reading/DayStepLimits.h"

namespace {

struct StepRow {
  YearRange range;
  int year, month, day;
  bool back, forward;
};

TEST(DayStepLimits, OnlyTheFirstAndLastDayOfTheRangeStopAStep) {
  const YearRange known{true, 2025, 2027};
  const YearRange single{true, 2026, 2026};
  const StepRow rows[] = {
      {known, 2025, 1, 1, false, true},         // the first day
      {known, 2025, 1, 2, true, true},          //
      {known, 2026, 1, 1, true, true},          // a new year inside the range
      {known, 2026, 12, 31, true, true},        // the last day of a year that is not the last
      {known, 2027, 12, 30, true, true},        //
      {known, 2027, 12, 31, true, false},       // the last day
      {single, 2026, 1, 1, false, true},        // one year: both ends in it
      {single, 2026, 12, 31, true, false},      //
      {single, 2026, 7, 15, true, true},        //
      {YearRange{}, 2026, 1, 1, true, true},    // no range found at start: the picker has none either
      {YearRange{}, 2026, 12, 31, true, true},  //
  };
  for (const StepRow& row : rows) {
    SCOPED_TRACE(std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day) + " in " +
                 std::to_string(row.range.nFirstYear) + ".." + std::to_string(row.range.nLastYear));
    const DayStepLimits limits = StepLimitsAt(row.range, row.year, row.month, row.day);
    EXPECT_EQ(limits.bCanStepBack, row.back);
    EXPECT_EQ(limits.bCanStepForward, row.forward);
  }
}

}  // namespace
