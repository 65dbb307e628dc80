#include "habit/ReadingProgress.h"

#include <string>

#include "res/TextIds.h"

ReadingProgress ComputeProgress(const ReadMarks& marks, const CalendarDay& today) {
  ReadingProgress progress;
  progress.daysReadThisYear = marks.CountInYear(today.year);
  const CalendarDay runEnd = marks.IsMarked(today) ? today : PreviousDay(today);
  progress.currentRun = marks.RunEndingOn(runEnd);
  return progress;
}

MessageText ProgressText(const ReadingProgress& progress) {
  return MessageText(IDS_HABIT_PROGRESS,
                     {std::to_string(progress.daysReadThisYear), std::to_string(progress.currentRun)});
}
