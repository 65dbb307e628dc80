#pragma once
// The few settings the program keeps (the file Vesperal.ini in the program folder): the daily reminder
// and the day its balloon was last shown, so that a restart on the same day shows none again.
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

  bool operator==(const HabitSettings& other) const {
    return reminderOn == other.reminderOn && reminderTime == other.reminderTime &&
           lastBalloonDay == other.lastBalloonDay;
  }
};
