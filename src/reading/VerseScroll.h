#pragma once
// Moving the first shown verse of the reading window by line, by page or to a thumb position. The page
// steps go by the estimated line counts of the verses, since the page itself is only known when painted.
#include <vector>

#include "reading/ReadingDay.h"

// The scroll bar codes we act on; the numbers are those of the window system's SB_ codes.
enum VerseScrollCode {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,
};

constexpr int PAGE_LINES = 15;  // estimated lines on one page

// The estimate's line and page at the page's text size: LINE_CHARS and PAGE_LINES at the window's own font.
struct PageMeasure {
  int lineChars = LINE_CHARS;
  int pageLines = PAGE_LINES;
};

// Applies one scroll code to firstVerse. Returns true when the caller must set the bar's position and
// repaint the body; false when the code changes nothing (a line step at an end, or a code we ignore).
bool ScrollVerses(int code, int thumbPos, const std::vector<VerseEntry>& verses, int verseCount, int& firstVerse,
                  const PageMeasure& measure = PageMeasure());
