#include "reading/ReadingLayout.h"

namespace {

constexpr int kMargin = 15;        // page margin at the left, top and right
constexpr int kBottomMargin = 55;  // room for the buttons and the date picker
constexpr int kColumnWidth = 60;
constexpr int kHeaderHeight = 60;
constexpr int kScrollBarWidth = 16;

PageRect MakeRect(int left, int top, int right, int bottom) {
  PageRect rect;
  rect.left = left;
  rect.top = top;
  rect.right = right;
  rect.bottom = bottom;
  return rect;
}

ControlPlace MakePlace(int x, int y, int width, int height) {
  ControlPlace place;
  place.x = x;
  place.y = y;
  place.width = width;
  place.height = height;
  return place;
}

}  // namespace

ReadingLayout LayOutReadingWindow(int w, int h) {
  const int left = kMargin, top = kMargin, right = w - kMargin, bottom = h - kBottomMargin;
  const int columnRight = left + kColumnWidth, headerBottom = top + kHeaderHeight;
  ReadingLayout layout;
  layout.rcText = MakeRect(left, top, right, bottom);
  layout.rcDateColumn = MakeRect(left, top, columnRight, bottom);
  layout.rcHeader = MakeRect(columnRight, top, right, headerBottom);
  layout.rcBelowHeader = MakeRect(left, headerBottom, right, bottom);
  layout.rcBodyFull = MakeRect(columnRight, headerBottom, right, bottom);
  layout.rcBody = MakeRect(columnRight, headerBottom, right - kScrollBarWidth, bottom);

  // The scroll bar stands at the body's right edge, one pixel under its top; the buttons sit in a row at
  // the bottom right and the date picker at the bottom left.
  layout.scrollBar = MakePlace(w - 31, 76, kScrollBarWidth, h - 130);
  layout.prevDay = MakePlace(w - 240, h - 40, 35, 30);
  layout.nextDay = MakePlace(w - 185, h - 40, 35, 30);
  layout.diary = MakePlace(w - 130, h - 40, 35, 30);
  layout.close = MakePlace(w - 75, h - 40, 35, 30);
  layout.datePicker = MakePlace(40, h - 37, 170, 20);
  return layout;
}
