// Painting of the reading window's page: date column, header and as many verses as fit.
#include <algorithm>
#include <cstdio>
#include <string>

#include "controls/GdiHandles.h"
#include "controls/OffscreenDC.h"
#include "reading/PageFlow.h"
#include "reading/ReadingDlg.h"
#include "reading/ReadingLayout.h"

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
  ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TextStyle(HDC dc, COLORREF text, COLORREF background, UINT align) {
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, background);
  ::SetTextAlign(dc, align);
}

std::string NumberWithWord(int number, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

}  // namespace

void CReadingDlg::OnPaint() {
  CPaintDC paint(m_hWnd);
  COffscreenDC surface(paint.Get());
  DrawPage(surface, surface.GetWorkingRect());
}

void CReadingDlg::DrawPage(HDC dc, const RECT& clip) {
  {
    CBrushHandle face(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(dc, &clip, face.Get());
    CBrushHandle grey(::CreateSolidBrush(kGrey));
    ::FillRect(dc, &m_rcDateColumn, grey.Get());
  }
  ::FillRect(dc, &m_rcHeader, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::FillRect(dc, &m_rcBody, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  RECT frame = m_rcText;
  ::InflateRect(&frame, 1, 1);
  ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
  ::MoveToEx(dc, m_rcHeader.left, m_rcHeader.bottom, nullptr);
  ::LineTo(dc, m_rcHeader.right, m_rcHeader.bottom);

  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  CSelectGuard useFont(dc, font);
  const UINT alignRight = TA_RIGHT | TA_TOP, alignLeft = TA_LEFT | TA_TOP;

  TextStyle(dc, kWhite, kGrey, alignRight);
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_1, NumberWithWord(m_nYear, "%d년"));
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_2, NumberWithWord(m_nMonth, "%d월"));
  TextAt(dc, PAGE_DATE_RIGHT, PAGE_HEADER_LINE_3, NumberWithWord(m_nDay, "%d일"));

  TextStyle(dc, kDarkBlue, kWhite, alignLeft);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_1, m_strYearTitle);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_2, m_strMonthTitle);
  ::SetTextColor(dc, kBlack);
  TextAt(dc, PAGE_TEXT_LEFT, PAGE_HEADER_LINE_3, m_strRange);

  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int bottom = m_rcText.bottom;
  const int verseCount = std::min(m_nVerseCount, static_cast<int>(m_verses.size()));
  const VerseFlow flow =
      FlowVerses(m_nFirstVerse, verseCount, lineHeight, PAGE_FIRST_VERSE_TOP, bottom, [&](int index, int top) {
        const VerseEntry& verse = m_verses[index];
        TextStyle(dc, kWhite, kGrey, alignRight);
        TextAt(dc, PAGE_DATE_RIGHT, top, verse.szVerse);
        TextStyle(dc, kBlack, kWhite, alignLeft);
        RECT textRect{PAGE_TEXT_LEFT, top, m_rcBody.right, bottom};
        // Verse text is plain text: an ampersand is a character, not a mnemonic mark.
        return ::DrawTextA(dc, verse.strBody.c_str(), static_cast<int>(verse.strBody.size()), &textRect,
                           DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
      });

  const ScrollDecision decision = DecideScrolling(m_nFirstVerse, verseCount, flow, bottom, m_bScrollEnabled);
  m_bScrollEnabled = decision.bEnabled;
  if (decision.bApply) ::EnableWindow(m_scrollBar, m_bScrollEnabled ? TRUE : FALSE);
}
