#include "reading/ReadingPlan.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "db/FieldValue.h"
#include "base/Utf8.h"
#include "reading/PlanFileOpen.h"
#include "reading/PlanFileSchema.h"
#include "base/FilePath.h"
#include "base/ProgramFiles.h"
#include "db/ClassifyFault.h"

namespace {

// The whole number that text begins with, read as atoi does (blanks, an optional sign, digits; 0 without
// digits), but held within int instead of overflowing.
int LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) value = INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

// The verse number as decimal text; numbers too wide for the 7 characters are held at the widest that fit.
void FormatVerseNumber(int number, char (&out)[8]) {
  if (number > 9999999) number = 9999999;
  if (number < -999999) number = -999999;
  std::snprintf(out, sizeof out, "%d", number);
}

// A verse's width as the page estimates it: each character as wide as it is drawn, an ASCII character
// one column, any other two (a Hangul syllable, as in the double-byte code page the estimate began with).
int EstimatedColumns(const std::string& body) {
  size_t columns = 0;
  for (size_t pos = 0; pos < body.size();) {
    if (static_cast<unsigned char>(body[pos]) < 0x80) {
      ++columns, ++pos;
    } else {
      utf8::Next(body, pos);
      columns += 2;
    }
  }
  return static_cast<int>(std::min<size_t>(columns, INT_MAX));
}

// The page shows its no-passage text in this entry's place, one line long.
VerseEntry NoPassageEntry() {
  VerseEntry entry;
  entry.nLines = 1;
  return entry;
}

}  // namespace

CReadingPlan::CReadingPlan(std::string programDir) : m_strProgramDir(std::move(programDir)) {}

CReadingPlan::~CReadingPlan() { Release(); }

void CReadingPlan::Release() {
  m_pPlanSet.reset();
  if (m_planDb.IsOpen()) m_planDb.Close();
}

std::string CReadingPlan::PlanFileName(int year) const { return PlanFilePath(m_strProgramDir, year); }

void CReadingPlan::Notice(PlanNotice notice, std::vector<PlanNotice>& notices) {
  if (m_notices.FirstNotice(notice.file, notice.problem)) notices.push_back(std::move(notice));
}

void CReadingPlan::Refuse(int year, const CDaoException& error, std::vector<PlanNotice>& notices) {
  // The query object and the connection go; the next lookup of another year opens its own file.
  Release();
  const std::string path = PlanFileName(year);
  m_refusedFiles.insert(path);
  PlanNotice notice{PlanProblem::kCannotOpen, path, year, PlanFileCause::kUnreadable, error.Description()};
  switch (ClassifyEngineCode(error.EngineCode())) {
    case EngineFault::kDamaged: notice.cause = PlanFileCause::kDamaged; break;
    case EngineFault::kTooMuchWork: notice.cause = PlanFileCause::kTooMuchWork; break;
    default: break;
  }
  Notice(std::move(notice), notices);
}

PlanOpening CReadingPlan::OpenPlanFile(int year, bool probeYears) {
  PlanOpening opening;
  // The query object goes before its connection closes.
  Release();
  const std::string path = PlanFileName(year);
  // A file that is missing is looked for again at the next lookup of its year: one copied in later is found.
  if (!PathIsPresent(path)) {
    Notice({PlanProblem::kCannotOpen, path, year, PlanFileCause::kNone, ""}, opening.notices);
    return opening;
  }
  try {
    // A plan file of ours is only read while it is open: no lock is taken, so a lookup costs no lock calls.
    OpenPlanDatabase(m_planDb, path, kPlanStepLimit);
    CheckPlanFileSchema(m_planDb);
  } catch (const CDaoException& error) {
    Refuse(year, error, opening.notices);
    return opening;
  }
  m_nFileYear = year;
  opening.bOpened = true;
  m_pPlanSet = std::make_unique<CDaoRecordset>(&m_planDb);

  if (probeYears) {
    int k = 1;
    while (PathIsPresent(PlanFileName(year + k))) ++k;
    int j = 1;
    while (PathIsPresent(PlanFileName(year - j))) ++j;
    m_years = {true, year - j + 1, year + k - 1};
  }
  return opening;
}

ReadingDay CReadingPlan::ReadDay(const CalendarDay& date, std::vector<PlanNotice>& notices) {
  const int year = date.year;
  // A refused file is never queried, and no other year's file stands in for it.
  if (m_refusedFiles.count(PlanFileName(year)) != 0) return NoPlanDay(date);
  // No query object means the last open failed (at start, or on a change of year): the shown year's file
  // is tried again, so that a year whose file is there is always shown.
  if (m_nFileYear != year || !m_pPlanSet) {
    PlanOpening opening = OpenPlanFile(year, false);
    notices.insert(notices.end(), opening.notices.begin(), opening.notices.end());
    if (!opening.bOpened) return NoPlanDay(date);
  }
  // An engine error in an earlier lookup may have left the query open.
  if (m_pPlanSet->IsOpen()) m_pPlanSet->Close();

  // Built apart and kept only when whole: an engine error in the queries leaves the last day as it was.
  ReadingDay page = m_lastDay;
  page.date = date;

  char sql[400];
  std::snprintf(sql, sizeof sql, "select * from YEAR where year=%d", year);
  m_pPlanSet->Open(dbOpenDynaset, sql, 0);
  if (m_pPlanSet->IsEOF()) {
    m_pPlanSet->Close();
    Notice({PlanProblem::kWrongYear, PlanFileName(year), year, PlanFileCause::kNone, ""}, notices);
    return NoPlanDay(date);
  }
  page.strYearTitle = FieldValueToText(m_pPlanSet->GetFieldValue("ytitle"));
  m_pPlanSet->Close();

  std::snprintf(sql, sizeof sql,
                "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
                "DAYRANGE.order1=DAY.order1 AND MONTH.month=%d AND DAYRANGE.day=%d order by DAY.order2",
                date.month, date.day);
  m_pPlanSet->Open(dbOpenDynaset, sql, 0);
  page.verses.clear();
  page.bHasPassage = !m_pPlanSet->IsEOF();
  if (!page.bHasPassage) {
    // The month title of the day before stays: the file may hold no row of this month.
    page.strRange.clear();
    page.verses.push_back(NoPassageEntry());
  } else {
    page.strMonthTitle = FieldValueToText(m_pPlanSet->GetFieldValue("mtitle"));
    page.strRange = FieldValueToText(m_pPlanSet->GetFieldValue("range"));
    while (!m_pPlanSet->IsEOF()) {
      VerseEntry& entry = page.verses.emplace_back();
      entry.strBody = FieldValueToText(m_pPlanSet->GetFieldValue("body"));
      entry.nColumns = EstimatedColumns(entry.strBody);
      entry.nLines = entry.nColumns / LINE_CHARS + 1;
      FormatVerseNumber(LeadingNumber(FieldValueToText(m_pPlanSet->GetFieldValue("sec"))), entry.szVerse);
      m_pPlanSet->MoveNext();
    }
  }
  m_pPlanSet->Close();
  m_lastDay = page;
  return page;
}

ReadingDay CReadingPlan::NoPlanDay(const CalendarDay& date) {
  // Titles of another year's file would stand above this date; without a plan there are none.
  ReadingDay page;
  page.date = date;
  page.verses.push_back(NoPassageEntry());
  m_lastDay = page;
  return page;
}
