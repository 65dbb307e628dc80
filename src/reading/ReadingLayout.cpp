#include "reading/ReadingLayout.h"

#include <algorithm>

namespace {

constexpr int kMargin = 15;        // page margin at the left, top and right
constexpr int kBottomMargin = 55;  // room for the buttons and the date picker
constexpr int kColumnWidth = 60;
constexpr int kHeaderHeight = 60;
constexpr int kScrollBarWidth = 16;
constexpr int kMarkGap = 2;  // the least room between the mark button and its neighbours

}  // namespace

ReadingLayout LayOutReadingWindow(int w, int h) {
  const int left = kMargin, top = kMargin, right = w - kMargin, bottom = h - kBottomMargin;
  const int columnRight = left + kColumnWidth, headerBottom = top + kHeaderHeight;
  ReadingLayout layout;
  layout.rcText = PageRect{left, top, right, bottom};
  layout.rcDateColumn = PageRect{left, top, columnRight, bottom};
  layout.rcHeader = PageRect{columnRight, top, right, headerBottom};
  layout.rcBelowHeader = PageRect{left, headerBottom, right, bottom};
  layout.rcBodyFull = PageRect{columnRight, headerBottom, right, bottom};
  layout.rcBody = PageRect{columnRight, headerBottom, right - kScrollBarWidth, bottom};
  layout.dateRight = PAGE_DATE_RIGHT;
  layout.textLeft = PAGE_TEXT_LEFT;
  layout.headerLines[0] = PAGE_HEADER_LINE_1;
  layout.headerLines[1] = PAGE_HEADER_LINE_2;
  layout.headerLines[2] = PAGE_HEADER_LINE_3;
  layout.firstVerseTop = PAGE_FIRST_VERSE_TOP;

  // The scroll bar stands at the body's right edge, one pixel under its top; the buttons sit in a row at
  // the bottom right and the date picker at the bottom left.
  layout.scrollBar = ControlPlace{w - 31, 76, kScrollBarWidth, h - 130};
  layout.prevDay = ControlPlace{w - 240, h - 40, 35, 30};
  layout.nextDay = ControlPlace{w - 185, h - 40, 35, 30};
  layout.diary = ControlPlace{w - 130, h - 40, 35, 30};
  layout.close = ControlPlace{w - 75, h - 40, 35, 30};
  layout.datePicker = ControlPlace{40, h - 37, 170, 20};
  // The mark stands left of the day steps. In a narrow window it keeps clear of the date picker's drop-down
  // arrow and of the previous-day button, narrowing to the room between them; the progress line fills the
  // strip under the page's frame and ends before the button row's top, so neither covers another control.
  const int markLeftmost = layout.datePicker.x + layout.datePicker.width + kMarkGap;
  const int markRightmost = layout.prevDay.x - kMarkGap;
  layout.markRead = ControlPlace{w - 295, h - 40, 35, 30};
  if (layout.markRead.x < markLeftmost) {
    layout.markRead.x = markLeftmost;
    layout.markRead.width = std::max(0, std::min(layout.markRead.width, markRightmost - markLeftmost));
  }
  layout.progress = ControlPlace{40, h - 54, w - 55, 14};
  return layout;
}
