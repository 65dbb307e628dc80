// The reading page for the keyboard and for screen readers: it takes the focus (Tab or a click) and shows
// it, copies its day with Ctrl+C, and gives readers an object with the day's range and verses.
#include "reading/DayText.h"
#include "reading/ReadingPage.h"
#include "reading/ReadingSession.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/Clipboard.h"

namespace {

bool IsCopyKey(WPARAM key) {
  const bool control = ::GetKeyState(VK_CONTROL) < 0, alt = ::GetKeyState(VK_MENU) < 0;
  return control && !alt && (key == 'C' || key == VK_INSERT);
}

}  // namespace

void CReadingPage::CopyText() {
  if (PutClipboardText(m_hWnd, DayPlainText(m_session.Page(), m_words.noPassage))) return;
  AppMessageBox(::GetParent(m_hWnd), MessageText(IDS_COPY_FAILED), MB_OK | MB_ICONEXCLAMATION);
}

void CReadingPage::DrawFocusCue(HDC dc) const {
  if (::GetFocus() != m_hWnd || (::SendMessageW(m_hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
  // Inside the page's frame with a pixel between; its right edge runs on under the scroll bar.
  RECT cue{m_layout.rcText.left, m_layout.rcText.top, m_layout.rcText.right, m_layout.rcText.bottom};
  ::InflateRect(&cue, -2, -2);
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::DrawFocusRect(dc, &cue);
}

bool CReadingPage::OnKeyboardOrReader(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_GETDLGCODE: {
      // Letters are not the buttons' Alt keys here, and Enter, which would close the window, does nothing.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      result = DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
      return true;
    }
    case WM_KEYDOWN:
      if (!IsCopyKey(wParam)) return false;
      CopyText();
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
      ::SendMessageW(::GetParent(m_hWnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
      result = 0;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return false;
    case WM_UPDATEUISTATE:
      result = CWindowBase::OnMessage(msg, wParam, lParam);
      if (::GetFocus() == m_hWnd) ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return true;
    case WM_GETOBJECT:
      if (!m_pAccessible)
        m_pAccessible = std::make_unique<CAccessibleDocument>(
            [this] { return m_session.Page().strRange; },
            [this] { return DayVersesText(m_session.Page(), m_words.noPassage); });
      return m_pAccessible->OnGetObject(m_hWnd, wParam, lParam, result);
    default:
      return false;
  }
}
