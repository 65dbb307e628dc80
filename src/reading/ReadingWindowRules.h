#pragma once
// The reading window's small decisions, apart from the window so that they can be tested: the diary
// button's face, the years the diary may choose, the keys that scroll the page, the window title and
// where the diary window opens.
#include <string>

#include "reading/DayStepLimits.h"
#include "reading/VerseScroll.h"

enum class DiaryFace {
  kEmpty,    // the shown date has no diary entry
  kWritten,  // the shown date has an entry
  kOpen,     // the diary window is shown
};

DiaryFace DiaryButtonFace(bool diaryShown, bool dayHasEntry);

// The years the diary window may choose: those found at start, or only the shown year when the start
// year's plan file could not be opened and no range was found.
YearRange DiaryYears(const YearRange& found, int shownYear);

// The window system's virtual key codes of the keys the page reacts to.
enum ReadingKey {
  kKeyPageUp = 0x21,
  kKeyPageDown = 0x22,
  kKeyUp = 0x26,
  kKeyDown = 0x28,
};

constexpr int kNoScroll = -1;
// The scroll code a key moves the page by (a line for the arrows, a page for Page Up and Page Down), or
// kNoScroll for a key the page leaves alone.
int ScrollCodeForKey(int virtualKey);

// "<application title> - <year>".
std::string ReadingWindowTitle(const std::string& appTitle, int year);

struct WindowPoint {
  int x = 0, y = 0;
};
// The diary window opens 100 pixels right of and below the place it was created at, so the reading
// window's date and buttons stay in sight.
WindowPoint DiaryWindowPlace(const WindowPoint& created);
