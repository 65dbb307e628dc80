#include "reading/PageTextFit.h"

#include <algorithm>

namespace {

// `value` scaled by numerator / denominator, rounded down, at least 1; `value` itself when either is unknown.
int Scaled(int value, int numerator, int denominator) {
  if (numerator <= 0 || denominator <= 0) return value;
  return std::max(1, static_cast<int>(static_cast<long long>(value) * numerator / denominator));
}

}  // namespace

PageMeasure MeasureFor(const PageTextMetrics& base, const PageTextMetrics& font) {
  PageMeasure measure;
  measure.lineChars = Scaled(LINE_CHARS, base.aveCharWidth, font.aveCharWidth);
  measure.pageLines = Scaled(PAGE_LINES, base.lineHeight, font.lineHeight);
  return measure;
}
