// Painting of the reading window's page: date column, header and as many verses as fit.
#include <algorithm>
#include <cstdio>
#include <string>

#include "controls/GdiHandles.h"
#include "controls/OffscreenDC.h"
#include "reading/PageFlow.h"
#include "reading/ReadingDlg.h"
#include "reading/ReadingLayout.h"
#include "ui/WideText.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 127);

// BeginPaint and EndPaint for one WM_PAINT.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_hWnd(window) { ::BeginPaint(window, &m_paint); }
  ~CPaintDC() { ::EndPaint(m_hWnd, &m_paint); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  HDC Get() const { return m_paint.hdc; }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_paint{};
};

void TextAt(HDC dc, int x, int y, const std::string& text) {
  const std::wstring wide = Widen(text);
  ::TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void TextStyle(HDC dc, COLORREF text, COLORREF background, UINT align) {
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, background);
  ::SetTextAlign(dc, align);
}

RECT ToRect(const PageRect& page) { return RECT{page.left, page.top, page.right, page.bottom}; }

std::string NumberWithWord(int number, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

}  // namespace

void CReadingDlg::OnPaint() {
  CPaintDC paint(m_hWnd);
  COffscreenDC surface(paint.Get());
  PaintPage(surface, surface.GetWorkingRect());
}

void CReadingDlg::PaintPage(HDC dc, const RECT& clip) {
  const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
  const VerseFlow flow = DrawReadingPage(dc, clip, font, m_layout, m_day, m_nFirstVerse);
  // Whether the passage overflows is known only once its verses are drawn.
  const ScrollDecision decision =
      DecideScrolling(m_nFirstVerse, m_day.VerseCount(), flow, m_layout.rcText.bottom, m_bScrollEnabled);
  m_bScrollEnabled = decision.bEnabled;
  if (decision.bApply) ::EnableWindow(m_scrollBar, m_bScrollEnabled ? TRUE : FALSE);
}

VerseFlow DrawReadingPage(HDC dc, const RECT& clip, HFONT font, const ReadingLayout& layout, const ReadingDay& day,
                          int firstVerse) {
  const RECT text = ToRect(layout.rcText), dateColumn = ToRect(layout.rcDateColumn);
  const RECT header = ToRect(layout.rcHeader), body = ToRect(layout.rcBody);
  {
    CBrushHandle face(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(dc, &clip, face.Get());
    CBrushHandle grey(::CreateSolidBrush(kGrey));
    ::FillRect(dc, &dateColumn, grey.Get());
  }
  ::FillRect(dc, &header, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::FillRect(dc, &body, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  RECT frame = text;
  ::InflateRect(&frame, 1, 1);
  ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
  ::MoveToEx(dc, header.left, header.bottom, nullptr);
  ::LineTo(dc, header.right, header.bottom);

  CSelectGuard useFont(dc, font);
  const UINT alignRight = TA_RIGHT | TA_TOP, alignLeft = TA_LEFT | TA_TOP;

  TextStyle(dc, kWhite, kGrey, alignRight);
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_1, NumberWithWord(day.nYear, "%d년"));
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_2, NumberWithWord(day.nMonth, "%d월"));
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_3, NumberWithWord(day.nDay, "%d일"));

  TextStyle(dc, kDarkBlue, kWhite, alignLeft);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_1, day.strYearTitle);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_2, day.strMonthTitle);
  ::SetTextColor(dc, kBlack);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_3, day.strRange);

  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int bottom = text.bottom;
  return FlowVerses(firstVerse, day.VerseCount(), lineHeight, PAGE_FIRST_VERSE_TOP, bottom, [&](int index, int top) {
    const VerseEntry& verse = day.verses[index];
    TextStyle(dc, kWhite, kGrey, alignRight);
    TextAt(dc, PAGE_DATE_RIGHT, top, verse.szVerse);
    TextStyle(dc, kBlack, kWhite, alignLeft);
    RECT textRect{PAGE_TEXT_LEFT, top, body.right, bottom};
    // Verse text is plain text: an ampersand is a character, not a mnemonic mark.
    const std::wstring body = Widen(verse.strBody);
    return ::DrawTextW(dc, body.c_str(), static_cast<int>(body.size()), &textRect,
                       DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
  });
}
