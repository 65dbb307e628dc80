#pragma once
// How far the reader has come: the days of this year marked read and the current run of days in a row.
//
// The rules: "this year" is the year of today, and every marked day of it counts, also a day read ahead.
// The current run is the run of consecutive marked days that ends today when today is marked, or
// yesterday while today is not yet marked (the day is not lost before it is over); it crosses the turn
// of the year like any other midnight. Days after today never lengthen the run.
#include "base/MessageText.h"
#include "base/CalendarDay.h"
#include "habit/ReadMarks.h"

struct ReadingProgress {
  int daysReadThisYear = 0;
  int currentRun = 0;

  bool operator==(const ReadingProgress& other) const {
    return daysReadThisYear == other.daysReadThisYear && currentRun == other.currentRun;
  }
};

ReadingProgress ComputeProgress(const ReadMarks& marks, const CalendarDay& today);

// "올해 N일 읽음 · 연속 N일" (IDS_HABIT_PROGRESS).
MessageText ProgressText(const ReadingProgress& progress);
