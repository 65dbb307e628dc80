#pragma once
// Where everything of the reading window goes for a client area of a given size, at a given DPI and for the
// page's font: the page rectangles that the painting fills, the places of its texts, and the pixel places of
// the controls. Every length is given for 96 DPI and scaled at one point; at 96 DPI with the window's own
// font the window is laid out as it always was. Kept apart from the window so it can be tested.

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ControlPlace {
  int x = 0, y = 0, width = 0, height = 0;
};

// What the layout needs of the page's font, in pixels: the height of a line, and the width of the date
// column's widest figure ("0000년"). Zero for either leaves the lengths for 96 DPI scaled alone.
struct PageText {
  int lineHeight = 0;
  int yearWidth = 0;
};

struct ReadingLayout {
  PageRect rcText;         // the page, inside a one-pixel frame
  PageRect rcDateColumn;   // the date column at the page's left
  PageRect rcHeader;       // the header right of the date column: three lines
  PageRect rcBelowHeader;  // the page under the header, full width
  PageRect rcBodyFull;     // under the header and right of the date column
  PageRect rcBody;         // rcBodyFull less the scroll bar
  int dateRight = 0;       // right edge of the date column's texts and the verse numbers
  int textLeft = 0;        // left edge of the header texts and the verses
  int headerLineTop[3] = {};
  int firstVerseTop = 0;
  ControlPlace scrollBar, prevDay, nextDay, diary, close, datePicker;
  ControlPlace markRead;  // left of the day steps
  ControlPlace progress;  // one line between the page and the bottom row, over the date picker
};

ReadingLayout LayOutReadingWindow(int clientWidth, int clientHeight, int dpi = 96, const PageText& text = {});

// A length given for 96 DPI, at `dpi`.
int ScaleToDpi(int length, int dpi);

// The smallest whole window, in pixels: 500 by 300 at 96 DPI.
struct WindowSize {
  int width = 0, height = 0;
};
WindowSize SmallestReadingWindow(int dpi);
