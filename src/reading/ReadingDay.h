#pragma once
// One date's page of the reading plan as the lookup found it: the titles, the range text and the verses.
// Texts are UTF-8.
#include <string>
#include <vector>

constexpr int LINE_CHARS = 74;  // columns per estimated line of a verse: ASCII one column, any other character two

struct VerseEntry {
  char szVerse[8] = {};  // verse number as decimal text; empty for the no-passage entry
  int nLines = 0;        // estimated lines: columns / LINE_CHARS + 1
  std::string strBody;
};

struct ReadingDay {
  int nYear = 0, nMonth = 0, nDay = 0;
  std::string strYearTitle, strMonthTitle, strRange;
  std::vector<VerseEntry> verses;  // never empty: a day without passage holds the no-passage entry
  // False for the no-passage page: the reader has nothing to read that day (catch-up, reminder).
  bool bHasPassage = false;

  int VerseCount() const { return static_cast<int>(verses.size()); }
  std::string DateKey() const;  // the diary's key of the date, YYYYMMDD
};
