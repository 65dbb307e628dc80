#include "reading/ReadingPage.h"

#include "controls/GdiHandles.h"
#include "base/MessageText.h"
#include "controls/OffscreenDC.h"
#include "habit/TextSize.h"
#include "reading/ReadingSession.h"
#include "reading/VerseScroll.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/ResourceText.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"

namespace {

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

PageColours CurrentPageColours() {
  const SystemColours system{::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_HOTLIGHT)};
  return PageColoursFor(TheSystemCalls().highContrastOn(), system);
}

// The page window's place: the text area with its one-pixel frame, in the reading window's client area.
RECT PagePlace(const ReadingLayout& layout) {
  return RECT{layout.rcText.left - 1, layout.rcText.top - 1, layout.rcText.right + 1, layout.rcText.bottom + 1};
}

}  // namespace

CReadingPage::CReadingPage(CReadingSession& session) : m_session(session) {}

CReadingPage::~CReadingPage() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CReadingPage::Create(HWND readingWindow, HWND scrollBar) {
  m_scrollBar = scrollBar;
  m_words = PageWords{LoadText(IDS_PAGE_YEAR), LoadText(IDS_PAGE_MONTH), LoadText(IDS_PAGE_DAY),
                      LoadText(IDS_NO_PASSAGE)};
  m_colours = CurrentPageColours();
  // No background brush: the page paints every pixel itself.
  // A tab stop: last of the window's controls, so Tab reads the page and then the bottom row.
  if (!CreateOfClass({L"VesperalReadingPage", nullptr}, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, L"",
                     RECT{0, 0, 0, 0}, readingWindow, reinterpret_cast<HMENU>(IDC_READING_PAGE)))
    return false;
  // Beneath the window's controls, so that the scroll bar lies over it.
  ::SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetTextSize(kDefaultTextSize);
  return true;
}

PageText CReadingPage::MeasureText() const {
  const PageTextMetrics& metrics = m_font.Metrics();
  return PageText{metrics.lineHeight, metrics.dateWidth};
}

void CReadingPage::OnColoursChanged() {
  m_colours = CurrentPageColours();
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CReadingPage::SetTextSize(int points) {
  const HWND window = ::GetParent(m_hWnd);
  m_font.Make(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), points,
              FillText(m_words.year, {"0000"}));
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CReadingPage::LayOut(const ReadingLayout& layout) {
  m_layout = layout;
  const RECT place = PagePlace(layout);
  ::MoveWindow(m_hWnd, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CReadingPage::OnDayShown() {
  m_nFirstVerse = 0;
  ResetScrollBar(m_session.Page().VerseCount() - 1);
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
  CAccessibleDocument::TellChanged(m_hWnd);
}

void CReadingPage::ResetScrollBar(int maxPos) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  ::GetScrollInfo(m_scrollBar, SB_CTL, &info);
  if (info.nMin == 0 && info.nMax == maxPos && info.nPos == 0) return;
  // The bar has no page size, so its thumb keeps its size: at the top, a new range looks the same unless
  // it becomes or stops being empty. Drawing the bar costs as much as the whole page under Wine.
  const bool looksChanged = info.nPos != 0 || (info.nMax > info.nMin) != (maxPos > 0);
  info.nMin = 0;
  info.nMax = maxPos;
  info.nPos = 0;
  ::SetScrollInfo(m_scrollBar, SB_CTL, &info, FALSE);
  if (looksChanged) ::InvalidateRect(m_scrollBar, nullptr, FALSE);
}

void CReadingPage::Scroll(int code, int thumbPos) {
  const ReadingDay& day = m_session.Page();
  if (!ScrollVerses(code, thumbPos, day.verses, day.VerseCount(), m_nFirstVerse, m_font.Measure())) return;
  ::SetScrollPos(m_scrollBar, SB_CTL, m_nFirstVerse, TRUE);
  InvalidateFrom(m_layout.rcBelowHeader.top);
}

void CReadingPage::InvalidateFrom(int top) {
  const RECT page = PagePlace(m_layout);
  RECT below{m_layout.rcBelowHeader.left - page.left, top - page.top, m_layout.rcBelowHeader.right - page.left,
             m_layout.rcBelowHeader.bottom - page.top};
  ::InvalidateRect(m_hWnd, &below, FALSE);
}

void CReadingPage::OnPaint() {
  CPaintDC paint(m_hWnd);
  // The page draws in the reading window's client coordinates.
  const RECT place = PagePlace(m_layout);
  ::SetWindowOrgEx(paint.Get(), place.left, place.top, nullptr);
  COffscreenDC surface(paint.Get());
  const ReadingDay& day = m_session.Page();
  const VerseFlow flow =
      DrawReadingPage(surface, surface.GetWorkingRect(), m_font.Get(), m_layout, day, m_nFirstVerse, m_words, m_colours);
  DrawFocusCue(surface);
  // Whether the passage overflows is known only once its verses are drawn.
  const ScrollDecision decision =
      DecideScrolling(m_nFirstVerse, day.VerseCount(), flow, m_layout.rcText.bottom, m_bScrollEnabled);
  m_bScrollEnabled = decision.bEnabled;
  if (decision.bApply) ::EnableWindow(m_scrollBar, m_bScrollEnabled ? TRUE : FALSE);
}

LRESULT CReadingPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      // The page paints every pixel it is asked to; erasing first would only flicker.
      return TRUE;
    default: {
      LRESULT result = 0;
      if (OnKeyboardOrReader(msg, wParam, lParam, result)) return result;
      return CWindowBase::OnMessage(msg, wParam, lParam);
    }
  }
}
