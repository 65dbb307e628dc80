#pragma once
// The daily reminder of the tray icon. It loads the settings at start, asks the schedule when the frame
// tells it (start, its timer, a resume, a set clock) and shows the balloon "오늘의 말씀" with today's range
// text when due, then keeps the day in the settings file, so that a restart on that day shows none. A
// settings file that cannot be written is told once a run; the day is then kept for the run in memory.
#include <windows.h>

#include <string>

#include "habit/HabitSettings.h"

class CReminder {
 public:
  // Loads Vesperal.ini of the program folder.
  CReminder();
  ~CReminder();
  CReminder(const CReminder&) = delete;
  CReminder& operator=(const CReminder&) = delete;

  // Starts asking, on behalf of `frame`, which owns the tray icon (added by now) and the timer.
  void Start(HWND frame);
  // Asks the schedule now: shows the balloon when due, and sets the timer to the next check.
  void Check();
  // True when `timerId` is the reminder's timer; it has then asked again.
  bool OnTimer(UINT_PTR timerId);

  // The settings in use.
  const HabitSettings& Settings() const { return m_settings; }
  // Stores them (Vesperal.ini), then asks the schedule again.
  void ChangeSettings(const HabitSettings& s);

 private:
  // Writes the settings; a failure is told the first time only.
  void Store();

  HWND m_hFrame = nullptr;
  std::string m_strProgramDir;
  HabitSettings m_settings;
  bool m_bToldCannotWrite = false;
};
