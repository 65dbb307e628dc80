#pragma once
// The reading page's font: the face of the reading window's own font at the text size the user chose, and
// what the page's layout (the room of its header and date column) and its scroll steps take from it.
#include <windows.h>

#include <string>

#include "controls/GdiHandles.h"
#include "reading/PageTextFit.h"

class CPageFont {
 public:
  // Makes the font of `windowFont`'s face at `points`, `windowFont` being kDefaultTextSize points, and measures
  // both; `widestDate` is the widest text of the date column.
  void Make(HFONT windowFont, int points, const std::string& widestDate);

  // The font made, or the window's own when none could be.
  HFONT Get() const { return m_font ? m_font.Get() : m_hWindowFont; }
  const PageTextMetrics& Metrics() const { return m_metrics; }
  const PageTextMetrics& WindowFontMetrics() const { return m_windowMetrics; }
  const PageMeasure& Measure() const { return m_measure; }

 private:
  CFontHandle m_font;
  HFONT m_hWindowFont = nullptr;
  PageTextMetrics m_metrics, m_windowMetrics;
  PageMeasure m_measure;
};
