#pragma once
// The daily reminder of the tray icon. It loads the settings at start, asks the schedule when the frame
// tells it (start, its timer, a resume, a set clock, a change of session such as an unlock) and, when due and
// the user takes notifications, shows the balloon "오늘의 말씀" with today's range text. Once the shell reports
// the balloon shown or clicked it keeps the day in the settings file, so that a restart on that day shows
// none; until then it sends it again now and then (BalloonDelivery.h). A settings file that cannot be written
// is told once a run; the day is then kept for the run in memory.
#include <windows.h>

#include <string>

#include "habit/BalloonDelivery.h"
#include "habit/HabitSettings.h"

class CReminder {
 public:
  // Loads Vesperal.ini of the program folder.
  CReminder();
  ~CReminder();
  CReminder(const CReminder&) = delete;
  CReminder& operator=(const CReminder&) = delete;

  // Starts asking, on behalf of `frame`, which owns the tray icon (added by now), the timer and the word of
  // session changes (WM_WTSSESSION_CHANGE), which it asks for here.
  void Start(HWND frame);
  // The frame is being destroyed: no more timer, no more word of the session.
  void Stop();
  // Asks the schedule now: shows the balloon when due, and sets the timer to the next check.
  void Check();
  // True when `timerId` is the reminder's timer; it has then asked again.
  bool OnTimer(UINT_PTR timerId);
  // The tray's message about its icon or balloon (lParam of WM_TRAYNOTIFY): a balloon shown or clicked counts.
  void OnTrayNotify(long trayMessage);

  // The settings in use.
  const HabitSettings& Settings() const { return m_settings; }
  // Takes the chosen reminder and the settings window's state from `s` (the day of the last balloon stays the
  // reminder's own, which may be newer than the window's copy), stores them (Vesperal.ini), then asks the
  // schedule again.
  void ChangeSettings(const HabitSettings& s);

 private:
  // Writes the settings; a failure is told the first time only.
  void Store();

  HWND m_hFrame = nullptr;
  HINSTANCE m_hInstance = nullptr;
  BalloonSending m_sending;
  std::string m_strProgramDir;
  HabitSettings m_settings;
  bool m_bToldCannotWrite = false;
};
