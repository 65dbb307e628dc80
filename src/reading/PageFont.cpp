#include "reading/PageFont.h"

#include "habit/TextSize.h"
#include "ui/WideText.h"

namespace {

PageTextMetrics MeasureFont(HDC dc, HFONT font, const std::wstring& widestDate) {
  CSelectGuard use(dc, font);
  TEXTMETRICW text{};
  ::GetTextMetricsW(dc, &text);
  SIZE date{};
  ::GetTextExtentPoint32W(dc, widestDate.c_str(), static_cast<int>(widestDate.size()), &date);
  return PageTextMetrics{text.tmHeight + text.tmExternalLeading, text.tmAveCharWidth, date.cx};
}

}  // namespace

void CPageFont::Make(HFONT windowFont, int points, const std::string& widestDate) {
  LOGFONTW face{};
  if (!windowFont || !::GetObjectW(windowFont, sizeof face, &face)) windowFont = nullptr;
  // The same face, weight and character set; at the default size the very font the window has.
  face.lfHeight = ::MulDiv(face.lfHeight, points, kDefaultTextSize);
  face.lfWidth = ::MulDiv(face.lfWidth, points, kDefaultTextSize);
  m_hWindowFont = windowFont;
  m_font.Reset(windowFont ? ::CreateFontIndirectW(&face) : nullptr);
  CWindowDC screen(nullptr);
  const std::wstring date = Widen(widestDate);
  m_metrics = MeasureFont(screen.Get(), Get(), date);
  m_windowMetrics = windowFont ? MeasureFont(screen.Get(), windowFont, date) : m_metrics;
  m_measure = MeasureFor(m_windowMetrics, m_metrics);
}
