#pragma once
// One date's page of the reading plan as the lookup found it: the titles, the range text and the verses.
// Texts are UTF-8.
#include <string>
#include <vector>

#include "base/CalendarDay.h"

constexpr int LINE_CHARS = 74;  // columns per estimated line of a verse: ASCII one column, any other character two

struct VerseEntry {
  char szVerse[8] = {};  // verse number as decimal text; empty for the no-passage entry
  int nLines = 0;        // estimated lines: columns / LINE_CHARS + 1
  int nColumns = 0;      // the columns of the estimate, which a page of another text size divides anew
  std::string strBody;
};

// The verse's estimated lines when a line holds `lineChars` columns: its own estimate at LINE_CHARS.
inline int EstimatedLinesAt(const VerseEntry& verse, int lineChars) {
  if (lineChars == LINE_CHARS || lineChars <= 0) return verse.nLines;
  return verse.nColumns / lineChars + 1;
}

struct ReadingDay {
  CalendarDay date;
  std::string strYearTitle, strMonthTitle, strRange;
  // Never empty: a day without passage holds one entry without number or text, where the page shows its
  // no-passage text.
  std::vector<VerseEntry> verses;
  // False for the no-passage page: the reader has nothing to read that day (catch-up, reminder).
  bool bHasPassage = false;

  int VerseCount() const { return static_cast<int>(verses.size()); }
  std::string DateKey() const;  // the diary's key of the date, YYYYMMDD
};
