#pragma once
// The day the reading and diary windows show, and everything about it: the reading plan and its lookup, the
// diary store and its read marks. It is the one owner of the shown day: a window asks it for another day,
// and it tells every listener (IDayListener), whoever asked. Before the shown day is left it asks the open
// diary window (IDayLeaveGuard) whether what was typed there can be left. The reading window owns one while
// it runs; the windows only draw and dispatch.
#include <memory>
#include <string>
#include <vector>

#include "base/CalendarDay.h"
#include "base/MessageText.h"
#include "diary/DiaryExport.h"
#include "diary/DiarySearch.h"
#include "diary/DiaryStore.h"
#include "habit/CatchUpDay.h"
#include "reading/DayListener.h"
#include "reading/DayStepLimits.h"
#include "reading/ReadingDay.h"
#include "reading/ReadingPlan.h"

class CDaoException;

class CReadingSession {
 public:
  // The plan files and memo.mdb lie in `programDir`, which ends in a separator.
  explicit CReadingSession(std::string programDir);
  CReadingSession(const CReadingSession&) = delete;
  CReadingSession& operator=(const CReadingSession&) = delete;

  // Opens the plan of today's year, finding the selectable years, and the diary; then shows today.
  void Start(const CalendarDay& today);
  // What the diary's opening had to tell once (an older diary brought over); empty when nothing.
  MessageText TakeDiaryNotice() { return m_store.TakeNotice(); }
  // Releases the plan, then the diary.
  void Release();
  const std::string& ProgramDir() const { return m_plan.ProgramDir(); }

  void AddListener(IDayListener& listener);
  void RemoveListener(IDayListener& listener);
  // The open diary window, or null once it is closed.
  void SetLeaveGuard(IDayLeaveGuard* guard);
  bool IsDiaryOpen() const { return m_pLeaveGuard != nullptr; }

  // ---- The shown day
  const CalendarDay& ShownDay() const { return m_page.date; }
  const ReadingDay& Page() const { return m_page; }
  // The unbroken run of years whose plan files were found at the start; unknown without this year's file.
  YearRange SelectableYears() const { return m_plan.SelectableYears(); }
  // The years the diary's date picker may choose: the selectable ones, or the shown year alone.
  YearRange DiaryYears() const;
  DayStepLimits StepLimits() const;
  // Shows a day chosen in a date picker or found by the search. Nothing happens when it is the shown day.
  // False when the open diary kept the shown day: what was typed could not be stored, and nothing changed.
  bool ShowDay(const CalendarDay& day);
  // Goes to a day, kept within the selectable years, and looks it up even when it is the shown day (the page
  // starts again at its first verse). False as for ShowDay.
  bool GoToDay(const CalendarDay& day);
  // One day back (-1) or forward (+1); at the first or last selectable day the day stays and is looked up again.
  bool StepDay(int delta);
  // "읽지 않은 날로": goes to the earliest day of today's year, up to today, that has a reading and no mark.
  // Problems of plan files met on the way are told as for any lookup.
  CatchUp::Outcome GoToCatchUpDay(const CalendarDay& today);

  // ---- The diary
  bool HasDiary() const { return m_store.HasDiary(); }
  const DiaryUnavailable& DiaryUnavailability() const { return m_store.Unavailable(); }
  bool HasEntry(const CalendarDay& day) const { return m_store.HasEntry(DayKey(day)); }
  DiaryEntry ReadEntry(const CalendarDay& day);
  // Stores or deletes the day's entry; an engine failure is thrown (CDaoException) and nothing changes.
  void WriteEntry(const CalendarDay& day, const std::string& title, const std::string& meditation,
                  const std::string& prayer);
  void DeleteEntry(const CalendarDay& day);
  // The date keys of the entries that hold the text, in date order; an engine failure is thrown.
  std::vector<std::string> Search(const SearchRequest& request);
  // Writes the day's entry, or every entry, to the file.
  ExportOutcome Export(bool allDates, const CalendarDay& day, const std::string& path);
  // The message for a diary operation that failed with `error`: the headline, then the file and the cause.
  MessageText FailureMessage(int headlineId, const CDaoException& error) const {
    return m_store.FailureMessage(headlineId, error);
  }

  // ---- Read marks
  // Marking is unavailable without a diary, or when its file cannot keep marks.
  bool CanMark() const { return m_store.CanMark(); }
  const ReadMarks& Marks() const { return m_store.Marks(); }
  // Stores the mark; an engine failure is thrown (CDaoException) and the marks stay as stored.
  void SetMarked(const CalendarDay& day, bool marked);

 private:
  // Asks the open diary whether the shown day may be left for `day`; true when no diary is open.
  bool MayLeaveFor(const CalendarDay& day) const;
  // Looks the day up, holds its page and tells every listener.
  void Show(const CalendarDay& day);
  template <typename Call>
  void Tell(Call call);

  CReadingPlan m_plan;
  CDiaryStore m_store;
  ReadingDay m_page;
  std::vector<IDayListener*> m_listeners;
  IDayLeaveGuard* m_pLeaveGuard = nullptr;
};
