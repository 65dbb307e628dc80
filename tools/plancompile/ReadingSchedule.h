#pragma once
// A schedule: which passages are read on which day of the year. It comes from a schedule file or is made
// here, balanced by verse count over whole chapters.
#include <string>
#include <vector>

#include "BibleOutline.h"

struct ScheduleDay {
  int month = 0, day = 0;
  std::vector<Passage> passages;  // reading order; empty for a day without a reading
  int line = 0;                   // in the schedule file; 0 when generated
};

using Schedule = std::vector<ScheduleDay>;

enum class ScheduleKind {
  WholeBible,  // every book in canonical order
  Parallel,    // the Old and the New Testament side by side, each read through once; the Old evens out the days
};

// The dates of a year in order: 365 days, or 366 with 29 February in a leap year.
std::vector<ScheduleDay> DatesOfYear(int year);

// Cuts a run of chapters, given by their verse counts, into one group of consecutive chapters per day, each
// group's verse count as close to that day's target as whole chapters allow (least squares over the days).
// Returns for each day the index of its first chapter, and one more entry holding weights.size(). With
// allowEmpty a day may get no chapter; without it every day gets one at least, which needs as many chapters as
// days. Throws std::invalid_argument when the chapters cannot be spread.
std::vector<size_t> BalanceChapters(const std::vector<int>& weights, const std::vector<double>& targets,
                                    bool allowEmpty);

// A generated schedule for every date of the year.
Schedule MakeSchedule(const BibleOutline& outline, ScheduleKind kind, int year);
