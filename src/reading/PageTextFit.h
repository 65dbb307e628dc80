#pragma once
// What the page's text size changes in the page: the estimate's line and page (PageMeasure), and room in the
// header and the date column, so that the three header lines stay at least a line apart and the dates fit
// their column. At the reading window's own font both stay as they are.
#include "reading/ReadingLayout.h"
#include "reading/VerseScroll.h"

// A font's sizes in pixels, as the page measures them; all 0 when unknown, which changes nothing.
struct PageTextMetrics {
  int lineHeight = 0;    // tmHeight plus tmExternalLeading
  int aveCharWidth = 0;  // one column of the estimate: an ASCII character
  int dateWidth = 0;     // the widest text of the date column, "0000년"
};

// The estimate at `font`: LINE_CHARS and PAGE_LINES scaled by how much narrower and lower the window's own font
// `base` is, rounded down, at least 1 each. The window's own font gives them unchanged.
PageMeasure MeasureFor(const PageTextMetrics& base, const PageTextMetrics& font);

// Moves the header's lines at least a line height apart, the header's bottom and everything under it down
// with them, and widens the date column to hold `font`'s dates; a layout with that room already stays.
void FitLayoutToText(ReadingLayout& layout, const PageTextMetrics& font);
