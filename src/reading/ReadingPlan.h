#pragma once
// The reading-plan state of the shown day and the two operations on it: opening the plan file of a year
// and looking up the passage of the shown date. The reading window owns one and shows what it holds.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "reading/DayStepLimits.h"
#include "reading/PlanNotices.h"

class IReadingView;

constexpr int LINE_CHARS = 74;   // bytes per estimated line of a verse
constexpr int MAX_VERSES = 100;  // the table's initial size; a day keeps all its verses

struct VerseEntry {
  char szVerse[8] = {};  // verse number as decimal text
  int nLines = 0;        // estimated lines: bytes / LINE_CHARS + 1
  std::string strBody;
};

class CReadingPlan {
 public:
  explicit CReadingPlan(IReadingView& view);
  ~CReadingPlan();

  bool OpenPlanFile(bool probeYears);
  // Reads the shown date's passage. A year without a usable plan file shows the no-passage entry for the
  // date, so the page never holds another day's passage; each file's problem is told once.
  bool LookUpDay();
  // The range of selectable years found at start; unknown when the start year's file could not be opened.
  YearRange SelectableYears() const { return {m_bYearRangeSet, m_nFirstYear, m_nLastYear}; }
  // Releases the query object, then the connection.
  void Release();

  std::string PlanFileName(int year) const;

  std::string m_strProgramDir;
  int m_nYear = 0, m_nMonth = 0, m_nDay = 0;
  int m_nFileYear = 0;
  bool m_bPlanOpen = false;
  int m_nFirstYear = 0, m_nLastYear = 0;
  bool m_bYearRangeSet = false;
  std::string m_strYearTitle, m_strMonthTitle, m_strRange;
  std::vector<VerseEntry> m_verses;
  int m_nVerseCount = 0;
  int m_nFirstVerse = 0;
  std::string m_strDateKey;
  CDaoDatabase m_planDb;
  std::unique_ptr<CDaoRecordset> m_pPlanSet;

 private:
  // The lookup itself; LookUpDay runs it and refuses a file that needs too much work for it.
  bool ReadDay();
  // The page for a date whose year has no readable plan: the no-passage entry, no titles, no range.
  bool ShowNoPlanDay();
  void SetNoPassageEntry();
  void FinishLookUp();
  // The two messages of an unreadable plan file, the first time this file is met.
  void TellUnreadable(const std::string& path);

  IReadingView& m_view;
  CPlanNotices m_notices;
  std::set<std::string> m_refusedFiles;  // plan files refused during a lookup, not queried again
};
