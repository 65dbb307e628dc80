#include "reading/ReadingPlan.h"

#include <sys/stat.h>

#include <climits>
#include <cstdio>

#include "db/Cp949.h"
#include "db/DaoException.h"
#include "db/FieldValue.h"
#include "diary/DiaryDate.h"
#include "reading/PlanFileSchema.h"
#include "reading/ReadingView.h"

namespace {

const char kAppTitle[] = "베스페랄읽기";

// Only the name is looked for; any kind of entry of that name counts, as with a file search.
bool FileExists(const std::string& path) {
  struct stat info;
#ifdef _WIN32
  return stat(path.c_str(), &info) == 0;  // narrow names are in the ANSI code page, 949
#else
  return stat(Cp949ToUtf8(path).c_str(), &info) == 0;  // where the database layer puts its files, too
#endif
}

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

int EstimatedLines(const std::string& body) { return static_cast<int>(body.size() / LINE_CHARS) + 1; }

}  // namespace

CReadingPlan::CReadingPlan(IReadingView& view) : m_verses(MAX_VERSES), m_view(view) {}

CReadingPlan::~CReadingPlan() { Release(); }

void CReadingPlan::Release() {
  m_pPlanSet.reset();
  if (m_planDb.IsOpen()) m_planDb.Close();
}

std::string CReadingPlan::PlanFileName(int year) const { return m_strProgramDir + std::to_string(year) + ".dat"; }

bool CReadingPlan::OpenPlanFile(bool probeYears) {
  const std::string path = PlanFileName(m_nYear);
  // The query object goes before its connection closes.
  Release();
  try {
    m_planDb.Open(path, false, false, "");
    CheckPlanFileSchema(m_planDb);
  } catch (const CDaoException&) {
    Release();
    TellUnreadable(path);
    return false;
  }
  m_bPlanOpen = true;
  m_pPlanSet = std::make_unique<CDaoRecordset>(&m_planDb);

  if (probeYears) {
    int k = 1;
    while (FileExists(PlanFileName(m_nYear + k))) ++k;
    m_nLastYear = m_nYear + k - 1;
    int j = 1;
    while (FileExists(PlanFileName(m_nYear - j))) ++j;
    m_nFirstYear = m_nYear - j + 1;
    m_bYearRangeSet = true;
    m_view.SetDateRange(m_nFirstYear, m_nLastYear);
  }
  return true;
}

bool CReadingPlan::ReadDay() {
  // No query object means the last open failed (at start, or on a change of year): try the shown year's
  // file again, so that a year whose file is there is always shown; a file refused during a lookup is not.
  if (m_nFileYear != m_nYear || !m_pPlanSet) {
    const bool opened = m_refusedFiles.count(PlanFileName(m_nYear)) == 0 && OpenPlanFile(false);
    m_nFileYear = m_nYear;
    char title[64];
    std::snprintf(title, sizeof title, "%s - %d", kAppTitle, m_nYear);
    m_view.SetTitle(title);
    if (!opened) return ShowNoPlanDay();
  }
  // An engine error in an earlier lookup may have left the query open.
  if (m_pPlanSet->IsOpen()) m_pPlanSet->Close();

  char sql[400];
  std::snprintf(sql, sizeof sql, "select * from YEAR where year=%d", m_nYear);
  m_pPlanSet->Open(dbOpenDynaset, sql, 0);
  if (m_pPlanSet->IsEOF()) {
    m_pPlanSet->Close();
    if (m_notices.FirstNotice(PlanFileName(m_nYear), PlanProblem::kWrongYear)) {
      char message[128];
      std::snprintf(message, sizeof message, "현재 베스페랄읽기 본문 파일은 %d년도 용이 아닙니다.", m_nYear);
      m_view.ShowMessage(message);
    }
    return ShowNoPlanDay();
  }
  m_strYearTitle = FieldValueToText(m_pPlanSet->GetFieldValue("ytitle"));
  m_pPlanSet->Close();

  std::snprintf(sql, sizeof sql,
                "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
                "DAYRANGE.order1=DAY.order1 AND MONTH.month=%d AND DAYRANGE.day=%d order by DAY.order2",
                m_nMonth, m_nDay);
  m_pPlanSet->Open(dbOpenDynaset, sql, 0);
  // Reset only now: an engine error in the queries keeps the page, its first verse and the scroll bar together.
  m_nFirstVerse = 0;
  if (m_pPlanSet->IsEOF()) {
    SetNoPassageEntry();
  } else {
    m_strMonthTitle = FieldValueToText(m_pPlanSet->GetFieldValue("mtitle"));
    m_strRange = FieldValueToText(m_pPlanSet->GetFieldValue("range"));
    m_nVerseCount = 0;
    while (!m_pPlanSet->IsEOF()) {
      if (m_nVerseCount == static_cast<int>(m_verses.size())) m_verses.emplace_back();
      VerseEntry& entry = m_verses[m_nVerseCount];
      entry.strBody = FieldValueToText(m_pPlanSet->GetFieldValue("body"));
      entry.nLines = EstimatedLines(entry.strBody);
      FormatVerseNumber(LeadingNumber(FieldValueToText(m_pPlanSet->GetFieldValue("sec"))), entry.szVerse);
      ++m_nVerseCount;
      m_pPlanSet->MoveNext();
    }
  }
  m_pPlanSet->Close();
  FinishLookUp();
  return true;
}

bool CReadingPlan::ShowNoPlanDay() {
  // Titles of another year's file would stand above this date; without a plan there are none.
  m_strYearTitle.clear();
  m_strMonthTitle.clear();
  m_nFirstVerse = 0;
  SetNoPassageEntry();
  FinishLookUp();
  return true;
}

void CReadingPlan::SetNoPassageEntry() {
  VerseEntry& entry = m_verses[0];
  entry.szVerse[0] = '\0';
  entry.strBody = "해당하는 본문내용이 없습니다.";
  entry.nLines = EstimatedLines(entry.strBody);
  m_nVerseCount = 1;
  m_strRange.clear();
}

void CReadingPlan::FinishLookUp() {
  m_view.ResetScrollBar(m_nVerseCount - 1);
  m_strDateKey = MakeDateKey(m_nYear, m_nMonth, m_nDay);
  m_view.OnDayLoaded();
}

void CReadingPlan::TellUnreadable(const std::string& path) {
  if (!m_notices.FirstNotice(path, PlanProblem::kCannotOpen)) return;
  m_view.ShowMessage("베스페랄본문 파일을 열 수 없습니다.");
  m_view.ShowMessage(path);
}
