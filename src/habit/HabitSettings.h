#pragma once
// The few settings the program keeps (the file Vesperal.ini in the program folder): the daily reminder,
// the day its balloon was last shown, so that a restart on the same day shows none again, and whether the
// settings window has told how to keep the tray icon in sight.
#include <optional>

#include "base/CalendarDay.h"

struct ReminderTime {
  int hour = 7, minute = 0;

  int SecondOfDay() const { return (hour * 60 + minute) * 60; }
  bool operator==(const ReminderTime& other) const { return hour == other.hour && minute == other.minute; }
};

struct HabitSettings {
  bool reminderOn = false;  // off until the user turns it on
  ReminderTime reminderTime;
  std::optional<CalendarDay> lastBalloonDay;
  bool trayTipShown = false;  // a confirmed settings window showed the tray icon's line

  bool operator==(const HabitSettings& other) const {
    return reminderOn == other.reminderOn && reminderTime == other.reminderTime &&
           lastBalloonDay == other.lastBalloonDay && trayTipShown == other.trayTipShown;
  }
};

// The settings window's line on keeping the tray icon visible (a new icon hides in the taskbar's overflow,
// and its balloon with it) shows when the user ticks the reminder for the first time: it is off in `stored`
// and no confirmed window has shown the line yet.
inline bool ShowsTrayTip(const HabitSettings& stored, bool reminderTicked) {
  return reminderTicked && !stored.reminderOn && !stored.trayTipShown;
}
