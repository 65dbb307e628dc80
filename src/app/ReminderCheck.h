#pragma once
// The reminder's question at one moment, answered from the program folder's files without changing any:
// the settings decide whether and when; today's marks come from memo.mdb opened read-only; whether today
// has a reading, and its range text, come from the plan lookup. A file that cannot be read means no
// balloon, silently: the reminder never brings a message of its own about the diary or the plan.
#include <string>

#include "habit/HabitSettings.h"
#include "habit/ReminderSchedule.h"

struct ReminderCheck {
  ReminderDecision decision;
  std::string rangeText;  // today's range text, for the balloon; empty unless due
};

// `programDir` ends in a separator. The files are read only when the settings and the time make the
// balloon due, so an idle check (reminder off, before the time, shown already) opens no file.
ReminderCheck CheckReminder(const std::string& programDir, const HabitSettings& settings, const LocalTime& now);
