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

// Makes room in `layout`, made for the window's own font `base`, for the page's text in `font`: the header's
// lines go at least a line height apart, the header grows by what its lines grew and everything under it moves
// down, and the date column widens by what the dates grew. At the window's own font the layout stays.
void FitLayoutToText(ReadingLayout& layout, const PageTextMetrics& base, const PageTextMetrics& font);
