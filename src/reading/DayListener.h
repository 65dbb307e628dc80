#pragma once
// What the windows beside the reading session hear from it. The session owns the shown day; a window that
// wants another day asks the session, and every listener hears of the change, whoever asked: no window tells
// another where it is.
#include <vector>

#include "reading/PlanNotices.h"

class IDayListener {
 public:
  virtual ~IDayListener() = default;
  // The shown day changed, or was looked up again (a day step that met the end of the selectable days).
  virtual void OnDayShown() {}
  // Problems of plan files met while looking days up, each to be told once (the reading window words them).
  virtual void OnPlanNotices(const std::vector<PlanNotice>& notices) { (void)notices; }
  // A diary entry was stored or deleted.
  virtual void OnEntriesChanged() {}
  // A day was marked read or unread.
  virtual void OnMarksChanged() {}
  // The diary window opened or closed.
  virtual void OnDiaryOpenChanged() {}
};

// The open diary window, asked before the shown day is left.
class IDayLeaveGuard {
 public:
  virtual ~IDayLeaveGuard() = default;
  // Stores what was typed for the shown day. False when the day must stay: the store failed (and the user
  // was told), and what was typed stays with its day.
  virtual bool MayLeaveDay() = 0;
};
