#pragma once
// What the page's text size changes in the page's estimate: its line and its page (PageMeasure). At the reading
// window's own font both stay as they are. (The room of the header and the date column for the font is the
// layout's: LayOutReadingWindow with the font's PageText.)
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
