#include "reading/ReadingLayout.h"

#include <algorithm>

namespace {

// Lengths at 96 DPI.
constexpr int kMargin = 15;        // page margin at the left, top and right
constexpr int kBottomMargin = 55;  // room for the buttons and the date picker
constexpr int kColumnWidth = 60;
constexpr int kHeaderLine = 20;    // from one header line to the next
constexpr int kTextInset = 5;      // the first header line and the verses below the header; texts from lines
constexpr int kFigureInset = 10;   // the date column's figures from its right edge
constexpr int kScrollBarWidth = 16;
constexpr int kMarkGap = 2;  // the least room between the mark button and its neighbours

}  // namespace

int ScaleToDpi(int length, int dpi) { return (length * dpi + 48) / 96; }

WindowSize SmallestReadingWindow(int dpi) { return {ScaleToDpi(500, dpi), ScaleToDpi(300, dpi)}; }

ReadingLayout LayOutReadingWindow(int w, int h, int dpi, const PageText& text) {
  const auto S = [dpi](int length) { return ScaleToDpi(length, dpi); };
  // The header's lines are at least a line of the page's font apart, and its figures fit the date column.
  const int headerLine = std::max(S(kHeaderLine), text.lineHeight);
  const int columnWidth = std::max(S(kColumnWidth), text.yearWidth + S(kFigureInset) + S(kTextInset));
  const int left = S(kMargin), top = S(kMargin), right = w - S(kMargin), bottom = h - S(kBottomMargin);
  // The header holds its three lines, the last one whole.
  const int headerHeight = std::max(3 * S(kHeaderLine), S(kTextInset) + 2 * headerLine + text.lineHeight);
  const int columnRight = left + columnWidth, headerBottom = top + headerHeight;
  const int scrollBarWidth = S(kScrollBarWidth);
  ReadingLayout layout;
  layout.rcText = PageRect{left, top, right, bottom};
  layout.rcDateColumn = PageRect{left, top, columnRight, bottom};
  layout.rcHeader = PageRect{columnRight, top, right, headerBottom};
  layout.rcBelowHeader = PageRect{left, headerBottom, right, bottom};
  layout.rcBodyFull = PageRect{columnRight, headerBottom, right, bottom};
  layout.rcBody = PageRect{columnRight, headerBottom, right - scrollBarWidth, bottom};
  layout.dateRight = columnRight - S(kFigureInset);
  layout.textLeft = columnRight + S(kTextInset);
  for (int line = 0; line < 3; ++line) layout.headerLineTop[line] = top + S(kTextInset) + line * headerLine;
  layout.firstVerseTop = headerBottom + S(kTextInset);

  // The scroll bar stands at the body's right edge, one pixel under its top; the buttons sit in a row at
  // the bottom right and the date picker at the bottom left.
  layout.scrollBar = ControlPlace{right - scrollBarWidth, headerBottom + 1, scrollBarWidth, bottom - headerBottom};
  const int buttonTop = h - S(40), buttonWidth = S(35), buttonHeight = S(30);
  layout.prevDay = ControlPlace{w - S(240), buttonTop, buttonWidth, buttonHeight};
  layout.nextDay = ControlPlace{w - S(185), buttonTop, buttonWidth, buttonHeight};
  layout.diary = ControlPlace{w - S(130), buttonTop, buttonWidth, buttonHeight};
  layout.close = ControlPlace{w - S(75), buttonTop, buttonWidth, buttonHeight};
  layout.datePicker = ControlPlace{S(40), h - S(37), S(170), S(20)};
  // The mark stands left of the day steps. In a narrow window it keeps clear of the date picker's drop-down
  // arrow and of the previous-day button, narrowing to the room between them; the progress line fills the
  // strip under the page's frame and ends before the button row's top, so neither covers another control.
  const int markLeftmost = layout.datePicker.x + layout.datePicker.width + S(kMarkGap);
  const int markRightmost = layout.prevDay.x - S(kMarkGap);
  layout.markRead = ControlPlace{w - S(295), buttonTop, buttonWidth, buttonHeight};
  if (layout.markRead.x < markLeftmost) {
    layout.markRead.x = markLeftmost;
    layout.markRead.width = std::max(0, std::min(layout.markRead.width, markRightmost - markLeftmost));
  }
  layout.progress = ControlPlace{S(40), h - S(54), w - S(55), S(14)};
  return layout;
}
