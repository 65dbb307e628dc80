#include "reading/VerseScroll.h"

#include <algorithm>

namespace {

int LinesOf(const std::vector<VerseEntry>& verses, int index, int lineChars) {
  return index >= 0 && index < static_cast<int>(verses.size()) ? EstimatedLinesAt(verses[index], lineChars) : 0;
}

}  // namespace

bool ScrollVerses(int code, int thumbPos, const std::vector<VerseEntry>& verses, int verseCount, int& firstVerse,
                  const PageMeasure& measure) {
  // Only the verses that both exist and are in use count.
  const int count = std::max(0, std::min(verseCount, static_cast<int>(verses.size())));
  const int lastVerse = std::max(count - 1, 0);
  switch (code) {
    case kScrollLineUp:
      if (firstVerse <= 0) return false;
      --firstVerse;
      return true;
    case kScrollLineDown:
      if (firstVerse + 1 >= count) return false;
      ++firstVerse;
      return true;
    case kScrollPageUp: {
      // Back over verses until their lines exceed a page; the one that did it becomes the first.
      int sum = 0;
      do {
        --firstVerse;
        if (firstVerse < 0) {
          firstVerse = 0;
          break;
        }
        sum += LinesOf(verses, firstVerse, measure.lineChars);
      } while (sum <= measure.pageLines);
      return true;
    }
    case kScrollPageDown: {
      // The verse that brings the sum above a page becomes the first, or the last verse at the end.
      const int from = firstVerse;
      int sum = 0;
      while (firstVerse < count) {
        sum += LinesOf(verses, firstVerse, measure.lineChars);
        ++firstVerse;
        if (sum > measure.pageLines) break;
      }
      firstVerse = std::max(firstVerse - 1, 0);
      // At the window's own font a verse longer than a page stays first, as it always has; in a larger text,
      // where such verses are common, the step goes on to the next verse.
      const bool largerText = measure.lineChars != LINE_CHARS || measure.pageLines != PAGE_LINES;
      if (largerText && firstVerse == from && firstVerse + 1 < count) ++firstVerse;
      return true;
    }
    case kScrollThumbPosition:
      // A position from a message may lie outside the passage; keep the first verse on it.
      firstVerse = std::clamp(thumbPos, 0, lastVerse);
      return true;
    default:
      return false;
  }
}
