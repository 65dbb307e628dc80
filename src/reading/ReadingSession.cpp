#include "reading/ReadingSession.h"

#include <algorithm>

#include "reading/ReadingWindowRules.h"

CReadingSession::CReadingSession(std::string programDir) : m_plan(std::move(programDir)) {}

template <typename Call>
void CReadingSession::Tell(Call call) {
  // A listener may come or go while it is told (a window closing); each one there now hears it once.
  const std::vector<IDayListener*> listeners = m_listeners;
  for (IDayListener* listener : listeners)
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) call(*listener);
}

void CReadingSession::Start(const CalendarDay& today) {
  const PlanOpening opening = m_plan.OpenPlanFile(today.year, true);
  if (!opening.notices.empty()) Tell([&](IDayListener& listener) { listener.OnPlanNotices(opening.notices); });
  m_store.OpenDiaryDb(m_plan.ProgramDir());
  Show(today);
}

void CReadingSession::Release() {
  m_plan.Release();
  m_store.Release();
}

void CReadingSession::AddListener(IDayListener& listener) { m_listeners.push_back(&listener); }

void CReadingSession::RemoveListener(IDayListener& listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), &listener), m_listeners.end());
}

void CReadingSession::SetLeaveGuard(IDayLeaveGuard* guard) {
  if (guard == m_pLeaveGuard) return;
  m_pLeaveGuard = guard;
  Tell([](IDayListener& listener) { listener.OnDiaryOpenChanged(); });
}

YearRange CReadingSession::DiaryYears() const { return ::DiaryYears(m_plan.SelectableYears(), ShownDay().year); }

DayStepLimits CReadingSession::StepLimits() const {
  const CalendarDay& day = ShownDay();
  return StepLimitsAt(m_plan.SelectableYears(), day.year, day.month, day.day);
}

bool CReadingSession::MayLeaveFor(const CalendarDay& day) const {
  return day == ShownDay() || !m_pLeaveGuard || m_pLeaveGuard->MayLeaveDay();
}

bool CReadingSession::ShowDay(const CalendarDay& day) {
  if (day == ShownDay()) return true;
  if (!MayLeaveFor(day)) return false;
  Show(day);
  return true;
}

bool CReadingSession::GoToDay(const CalendarDay& day) {
  CalendarDay within = day;
  const YearRange years = m_plan.SelectableYears();
  if (years.bKnown && day.year < years.nFirstYear) within = CalendarDay{years.nFirstYear, 1, 1};
  if (years.bKnown && day.year > years.nLastYear) within = CalendarDay{years.nLastYear, 12, 31};
  if (!MayLeaveFor(within)) return false;
  Show(within);
  return true;
}

bool CReadingSession::StepDay(int delta) {
  return GoToDay(delta < 0 ? PreviousDay(ShownDay()) : NextDay(ShownDay()));
}

CatchUp::Outcome CReadingSession::GoToCatchUpDay(const CalendarDay& today) {
  std::vector<PlanNotice> notices;
  const CatchUp catchUp = FindCatchUpDay(Marks(), today, [&](const CalendarDay& asked) {
    DayLookup lookup = m_plan.LookUpDay(asked);
    notices.insert(notices.end(), lookup.notices.begin(), lookup.notices.end());
    return lookup.day.bHasPassage;
  });
  if (!notices.empty()) Tell([&](IDayListener& listener) { listener.OnPlanNotices(notices); });
  if (catchUp.outcome == CatchUp::Outcome::kFound) GoToDay(catchUp.day);
  return catchUp.outcome;
}

void CReadingSession::Show(const CalendarDay& day) {
  DayLookup lookup = m_plan.LookUpDay(day);
  m_page = std::move(lookup.day);
  Tell([](IDayListener& listener) { listener.OnDayShown(); });
  if (!lookup.notices.empty()) Tell([&](IDayListener& listener) { listener.OnPlanNotices(lookup.notices); });
}

DiaryEntry CReadingSession::ReadEntry(const CalendarDay& day) {
  DiaryEntry entry;
  m_store.ReadEntry(DayKey(day), entry);
  return entry;
}

void CReadingSession::WriteEntry(const CalendarDay& day, const std::string& title, const std::string& meditation,
                                 const std::string& prayer) {
  m_store.WriteEntry(DayKey(day), title, meditation, prayer);
  Tell([](IDayListener& listener) { listener.OnEntriesChanged(); });
}

void CReadingSession::DeleteEntry(const CalendarDay& day) {
  m_store.DeleteEntry(DayKey(day));
  Tell([](IDayListener& listener) { listener.OnEntriesChanged(); });
}

std::vector<std::string> CReadingSession::Search(const SearchRequest& request) { return m_store.Search(request); }

ExportOutcome CReadingSession::Export(bool allDates, const CalendarDay& day, const std::string& path) {
  return m_store.Export(allDates, DayKey(day), path);
}

void CReadingSession::SetMarked(const CalendarDay& day, bool marked) {
  m_store.SetMarked(day, marked);
  Tell([](IDayListener& listener) { listener.OnMarksChanged(); });
}
