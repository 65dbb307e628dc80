#pragma once
// How the day's balloon reaches the user once the schedule (ReminderSchedule.h) makes it due. A balloon counts
// as shown only when the shell says it showed it or the user clicked it, never when it is sent: a shell may
// hold it back or drop it. So the tray keeps the balloons it sent and no shell has reported (BalloonSending).
//
// The rules: while the user takes no notifications (locked, a full-screen program, a presentation, quiet
// time) nothing is sent and the tray asks again after kNotificationRetryWait, or at once when the session is
// unlocked. A balloon sent and not reported is sent again after kUnreportedBalloonWait, at most
// kMostBalloonsADay times a day, so that a shell that never reports does not repeat it all day.
#include <optional>

#include "base/CalendarDay.h"
#include "habit/ReminderSchedule.h"

// The shell's word about a balloon, reported as the tray icon's mouse messages are (NIN_BALLOONSHOW, ...).
inline constexpr long kShellBalloonShown = 0x0400 + 2;
inline constexpr long kShellBalloonHidden = 0x0400 + 3;
inline constexpr long kShellBalloonTimedOut = 0x0400 + 4;
inline constexpr long kShellBalloonClicked = 0x0400 + 5;

// True for the shell's words that mean the user saw the balloon: shown, or clicked.
bool BalloonCountsAsShown(long trayMessage);

// The answers of the shell's question whether the user takes notifications now (SHQueryUserNotificationState),
// by their numbers.
enum class UserNotificationState {
  kNotPresent = 1,    // the session is locked, the screen saver runs, or another user works
  kBusy = 2,          // a full-screen program
  kFullScreen3d = 3,  // a full-screen game
  kPresentation = 4,  // presentation settings are on
  kAccepts = 5,
  kQuietTime = 6,  // the first hour of a new user's first logon
  kStoreApp = 7,   // a full-screen store app, over which notifications still show
};
// True when a balloon may be sent. An unknown answer, or none (the query failed or the system has none),
// accepts: the reminder then behaves as before the query existed.
bool AcceptsNotifications(std::optional<int> state);

inline constexpr long long kNotificationRetryWait = 5 * 60;
inline constexpr long long kUnreportedBalloonWait = 30 * 60;
inline constexpr int kMostBalloonsADay = 3;

// The balloons the tray sent for one day that no shell has reported shown yet; kept for the run.
class BalloonSending {
 public:
  // A balloon went to the shell at `now`, for now's day.
  void Sent(const LocalTime& now);
  // The shell's word `trayMessage`: the day whose balloon the user saw, once; nothing was waiting after it.
  std::optional<CalendarDay> Reported(long trayMessage);
  // Whether to send now and when to ask again, given the schedule's `decision` at `now` and whether the user
  // takes notifications. dueNow of the answer means "send now".
  ReminderDecision Plan(const ReminderDecision& decision, bool userAccepts, const LocalTime& now) const;

 private:
  std::optional<CalendarDay> m_day;
  int m_count = 0;
  LocalTime m_last;
};

// `at` moved on by `seconds` (0..86400), into the next day where it passes midnight.
LocalTime SecondsLater(const LocalTime& at, long long seconds);
