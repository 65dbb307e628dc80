#include "reading/PageTextFit.h"

#include <algorithm>

namespace {

// `value` scaled by numerator / denominator, rounded down, at least 1; `value` itself when either is unknown.
int Scaled(int value, int numerator, int denominator) {
  if (numerator <= 0 || denominator <= 0) return value;
  return std::max(1, static_cast<int>(static_cast<long long>(value) * numerator / denominator));
}

void MoveDown(PageRect& rect, int by) { rect.top += by; }
void MoveRight(PageRect& rect, int by) { rect.left += by; }

}  // namespace

PageMeasure MeasureFor(const PageTextMetrics& base, const PageTextMetrics& font) {
  PageMeasure measure;
  measure.lineChars = Scaled(LINE_CHARS, base.aveCharWidth, font.aveCharWidth);
  measure.pageLines = Scaled(PAGE_LINES, base.lineHeight, font.lineHeight);
  return measure;
}

void FitLayoutToText(ReadingLayout& layout, const PageTextMetrics& font) {
  // The header's lines keep their first line and go at least a line height apart.
  const int step = std::max(layout.headerLines[1] - layout.headerLines[0], font.lineHeight);
  layout.headerLines[1] = layout.headerLines[0] + step;
  layout.headerLines[2] = layout.headerLines[0] + 2 * step;
  // Under the last line a quarter of a line, then the header's rule; the page's own font has that room.
  const int headerBottom =
      std::max(layout.rcHeader.bottom, layout.headerLines[2] + font.lineHeight + font.lineHeight / 4);
  const int down = headerBottom - layout.rcHeader.bottom;
  layout.rcHeader.bottom = headerBottom;
  for (PageRect* rect : {&layout.rcBelowHeader, &layout.rcBodyFull, &layout.rcBody}) MoveDown(*rect, down);
  layout.firstVerseTop += down;
  layout.scrollBar.y += down;
  layout.scrollBar.height = std::max(0, layout.scrollBar.height - down);

  // The dates end where they did before the column's right edge and keep a column's width of room at its left.
  const int room = layout.dateRight - layout.rcDateColumn.left;
  const int right = std::max(0, font.dateWidth + font.aveCharWidth - room);
  layout.rcDateColumn.right += right;
  for (PageRect* rect : {&layout.rcHeader, &layout.rcBodyFull, &layout.rcBody}) MoveRight(*rect, right);
  layout.dateRight += right;
  layout.textLeft += right;
}
