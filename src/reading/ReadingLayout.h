#pragma once
// Where everything of the reading window goes for a client area of a given size: the page rectangles that
// the painting fills and the pixel places of the controls. Kept apart from the window so it can be tested.

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ControlPlace {
  int x = 0, y = 0, width = 0, height = 0;
};

struct ReadingLayout {
  PageRect rcText;         // the page, inside a one-pixel frame
  PageRect rcDateColumn;   // left 60 pixels of the page
  PageRect rcHeader;       // top 60 pixels right of the date column
  PageRect rcBelowHeader;  // the page under the header, full width
  PageRect rcBodyFull;     // under the header and right of the date column
  PageRect rcBody;         // rcBodyFull less the scroll bar
  ControlPlace scrollBar, prevDay, nextDay, diary, close, datePicker;
  ControlPlace markRead;  // left of the day steps
  ControlPlace progress;  // one line between the page and the bottom row, over the date picker
  // Where the page's texts go: the right edge of the date column's texts and the verse numbers, the left edge
  // of the header texts and the verses, the tops of the three header lines and of the first verse.
  int dateRight = 0, textLeft = 0;
  int headerLines[3] = {};
  int firstVerseTop = 0;
};

ReadingLayout LayOutReadingWindow(int clientWidth, int clientHeight);

// The smallest whole window, in pixels.
constexpr int READING_MIN_WIDTH = 500;
constexpr int READING_MIN_HEIGHT = 300;

// The places of the page's texts at the window's own font; a larger text moves them apart (FitLayoutToText).
constexpr int PAGE_DATE_RIGHT = 65;     // right edge of the date column's texts and the verse numbers
constexpr int PAGE_TEXT_LEFT = 80;      // left edge of the header texts and the verses
constexpr int PAGE_HEADER_LINE_1 = 20;  // tops of the three header lines
constexpr int PAGE_HEADER_LINE_2 = 40;
constexpr int PAGE_HEADER_LINE_3 = 60;
constexpr int PAGE_FIRST_VERSE_TOP = 80;
