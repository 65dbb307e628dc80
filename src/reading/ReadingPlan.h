#pragma once
// The plan files of the years and the lookup of a date's page in them. The reading window owns one and
// shows what the lookup returns; what the user is to be told comes back as notices, which the window
// words and shows.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DaoRecordset.h"
#include "reading/DayStepLimits.h"
#include "reading/PlanNotices.h"
#include "reading/ReadingDay.h"

struct PlanOpening {
  bool bOpened = false;
  std::vector<PlanNotice> notices;
};

struct DayLookup {
  ReadingDay day;
  std::vector<PlanNotice> notices;  // each file's problem comes once while the plan lives
};

class CReadingPlan {
 public:
  // The plan files `<year>.dat` lie in `programDir`, which ends in a separator.
  explicit CReadingPlan(std::string programDir);
  ~CReadingPlan();
  CReadingPlan(const CReadingPlan&) = delete;
  CReadingPlan& operator=(const CReadingPlan&) = delete;

  // Opens the plan file of `year`. With probeYears (at start) also finds the unbroken run of years
  // around it whose files are there: the selectable years.
  PlanOpening OpenPlanFile(int year, bool probeYears);
  // Reads the page of a date. A year without a usable plan file gives the no-passage page, so the page
  // never holds another day's passage. A file that fails at its opening or at a lookup, for any reason of
  // the file, is refused: told once, and neither opened nor queried again while the plan lives.
  DayLookup LookUpDay(int year, int month, int day);
  // The range of selectable years found at start; unknown when the start year's file could not be opened.
  YearRange SelectableYears() const { return m_years; }
  bool IsPlanOpen() const { return m_pPlanSet != nullptr; }
  // Releases the query object, then the connection.
  void Release();

  std::string PlanFileName(int year) const;

 private:
  // The lookup itself; LookUpDay runs it and refuses the file when it fails.
  ReadingDay ReadDay(int year, int month, int day, std::vector<PlanNotice>& notices);
  // Gives up the file of `year` for good, telling why once.
  void Refuse(int year, const CDaoException& error, std::vector<PlanNotice>& notices);
  // The page for a date whose year has no readable plan: the no-passage entry, no titles, no range.
  ReadingDay NoPlanDay(int year, int month, int day);
  // Adds the notice unless this file's problem was told before.
  void Notice(PlanNotice notice, std::vector<PlanNotice>& notices);

  std::string m_strProgramDir;
  int m_nFileYear = 0;  // the year whose file is open while m_pPlanSet is there
  YearRange m_years;
  ReadingDay m_lastDay;  // a day without passage keeps the month title of the day before it
  CDaoDatabase m_planDb;
  std::unique_ptr<CDaoRecordset> m_pPlanSet;
  CPlanNotices m_notices;
  std::set<std::string> m_refusedFiles;  // plan files refused at their opening or a lookup
};
