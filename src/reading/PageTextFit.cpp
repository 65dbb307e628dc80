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

void FitLayoutToText(ReadingLayout& layout, const PageTextMetrics& base, const PageTextMetrics& font) {
  // The header's lines keep their first line and go at least a line height apart; under the last one the header
  // keeps its room and grows by as much as a line did.
  const int baseStep = layout.headerLines[1] - layout.headerLines[0];
  const int step = std::max(baseStep, font.lineHeight);
  layout.headerLines[1] = layout.headerLines[0] + step;
  layout.headerLines[2] = layout.headerLines[0] + 2 * step;
  const int down = 2 * (step - baseStep) + std::max(0, font.lineHeight - base.lineHeight);
  layout.rcHeader.bottom += down;
  for (PageRect* rect : {&layout.rcBelowHeader, &layout.rcBodyFull, &layout.rcBody}) MoveDown(*rect, down);
  layout.firstVerseTop += down;
  layout.scrollBar.y += down;
  layout.scrollBar.height = std::max(0, layout.scrollBar.height - down);

  // The date column and everything right of it move over by as much as the dates grew.
  const int right = std::max(0, font.dateWidth - base.dateWidth);
  layout.rcDateColumn.right += right;
  for (PageRect* rect : {&layout.rcHeader, &layout.rcBodyFull, &layout.rcBody}) MoveRight(*rect, right);
  layout.dateRight += right;
  layout.textLeft += right;
}
