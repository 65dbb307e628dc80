#pragma once
// Readable failure messages for the habit's values (gtest finds PrintTo beside the type).
#include <ostream>

#include "base/CalendarDay.h"
#include "habit/HabitSettings.h"
#include "habit/ReadingProgress.h"

inline void PrintTo(const CalendarDay& day, std::ostream* out) { *out << DayKey(day); }
inline void PrintTo(const ReadingProgress& progress, std::ostream* out) {
  *out << progress.daysReadThisYear << " days this year, run " << progress.currentRun;
}
inline void PrintTo(const ReminderTime& time, std::ostream* out) {
  *out << time.hour << ':' << (time.minute < 10 ? "0" : "") << time.minute;
}
inline void PrintTo(const HabitSettings& settings, std::ostream* out) {
  *out << "reminder " << (settings.reminderOn ? "on" : "off") << " at ";
  PrintTo(settings.reminderTime, out);
  if (settings.lastBalloonDay) *out << ", last balloon " << DayKey(*settings.lastBalloonDay);
  if (settings.trayTipShown) *out << ", tray line shown";
}
