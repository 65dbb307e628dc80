#include "reading/ReadingWindowRules.h"

DiaryFace DiaryButtonFace(bool diaryShown, bool dayHasEntry) {
  // While the diary is shown its button keeps the open-diary face, whatever day is shown.
  if (diaryShown) return DiaryFace::kOpen;
  return dayHasEntry ? DiaryFace::kWritten : DiaryFace::kEmpty;
}

YearRange DiaryYears(const YearRange& found, int shownYear) {
  if (found.bKnown) return found;
  return {true, shownYear, shownYear};
}

int ScrollCodeForKey(int virtualKey) {
  switch (virtualKey) {
    case kKeyUp:
      return kScrollLineUp;
    case kKeyDown:
      return kScrollLineDown;
    case kKeyPageUp:
      return kScrollPageUp;
    case kKeyPageDown:
      return kScrollPageDown;
    default:
      return kNoScroll;
  }
}

std::string ReadingWindowTitle(const std::string& appTitle, int year) {
  return appTitle + " - " + std::to_string(year);
}

WindowPoint DiaryWindowPlace(const WindowPoint& created) { return {created.x + 100, created.y + 100}; }
