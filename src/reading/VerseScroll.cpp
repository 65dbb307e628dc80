#include "reading/VerseScroll.h"

#include <algorithm>

namespace {

int LinesOf(const std::vector<VerseEntry>& verses, int index) {
  return index >= 0 && index < static_cast<int>(verses.size()) ? verses[index].nLines : 0;
}

}  // namespace

bool ScrollVerses(int code, int thumbPos, const std::vector<VerseEntry>& verses, int verseCount, int& firstVerse) {
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
        sum += LinesOf(verses, firstVerse);
      } while (sum <= PAGE_LINES);
      return true;
    }
    case kScrollPageDown: {
      // The verse that brings the sum above a page becomes the first, or the last verse at the end.
      int sum = 0;
      while (firstVerse < count) {
        sum += LinesOf(verses, firstVerse);
        ++firstVerse;
        if (sum > PAGE_LINES) break;
      }
      firstVerse = std::max(firstVerse - 1, 0);
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
