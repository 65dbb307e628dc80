#pragma once
// Whether the day buttons can move the shown date: the selectable range runs from 1 January of its first
// year to 31 December of its last, and a button that cannot step is disabled so the user sees why nothing
// moves.
struct YearRange {
  bool bKnown = false;  // false when no plan file was found at start; the picker then has no range
  int nFirstYear = 0;
  int nLastYear = 0;
};

struct DayStepLimits {
  bool bCanStepBack = true;
  bool bCanStepForward = true;
};

DayStepLimits StepLimitsAt(const YearRange& range, int year, int month, int day);
