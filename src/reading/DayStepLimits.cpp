#include "reading/DayStepLimits.h"

namespace {

// A date as one comparable number, yyyymmdd.
long DateNumber(int year, int month, int day) { return (static_cast<long>(year) * 100 + month) * 100 + day; }

}  // namespace

DayStepLimits StepLimitsAt(const YearRange& range, int year, int month, int day) {
  DayStepLimits limits;
  if (!range.bKnown) return limits;
  const long date = DateNumber(year, month, day);
  limits.bCanStepBack = date > DateNumber(range.nFirstYear, 1, 1);
  limits.bCanStepForward = date < DateNumber(range.nLastYear, 12, 31);
  return limits;
}
