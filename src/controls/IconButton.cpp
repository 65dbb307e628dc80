#include "controls/IconButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "controls/OffscreenDC.h"
#include "controls/ReflectedMessages.h"

namespace {

// Tells our subclass apart from others a button may carry.
constexpr UINT_PTR kSubclassId = 1;
// The answer of a bound button to the question below; a plain button answers 0 to a message it does not know.
constexpr LRESULT kBoundAnswer = 0x1B0D;

// Asks a button whether an icon button is bound to it already. A message of our own rather than
// GetWindowSubclass, which the 64-bit import library of comctl32 does not offer.
UINT BoundQuestion() {
  static const UINT message = ::RegisterWindowMessageW(L"Vesperal.IconButton.Bound");
  return message;
}

// The caption is only drawn, never looked into: it stays in the control's own UTF-16.
std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, &text[0], static_cast<int>(text.size()))));
  return text;
}

// The icon's image of the size asked for, which each icon holds for the usual display scales.
HICON LoadProgramIcon(int id, int width, int height) {
  return static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

// One pixel wide line from `from` through the corners; each segment leaves out its end point.
void Polyline3(HDC dc, HPEN pen, POINT from, POINT corner, POINT to) {
  CSelectGuard select(dc, pen);
  ::MoveToEx(dc, from.x, from.y, nullptr);
  ::LineTo(dc, corner.x, corner.y);
  ::LineTo(dc, to.x, to.y);
}

// The icon's dark pixels (its lines and outlines) in `ink`, the rest left as it is: an icon drawn so keeps its
// picture on any button face, as a high-contrast theme needs.
void DrawIconLines(HDC dc, HICON icon, int x, int y, int width, int height, COLORREF ink) {
  CMemoryDcHandle memory(::CreateCompatibleDC(dc));
  CBitmapHandle bitmap(::CreateCompatibleBitmap(dc, width, height));
  if (!memory || !bitmap) return;
  CSelectGuard select(memory.Get(), bitmap.Get());
  const RECT all{0, 0, width, height};
  ::FillRect(memory.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::DrawIconEx(memory.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  // The drawings' lines are dark grey or black, their fills light grey or white.
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      const COLORREF pixel = ::GetPixel(memory.Get(), column, row);
      const int luminance = (GetRValue(pixel) * 30 + GetGValue(pixel) * 59 + GetBValue(pixel) * 11) / 100;
      if (luminance < 160) ::SetPixelV(dc, x + column, y + row, ink);
    }
}

COLORREF Halfway(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

}  // namespace

CIconButton::CIconButton() : m_face(::GetSysColor(COLOR_BTNFACE)), m_text(::GetSysColor(COLOR_BTNTEXT)) {}

void CIconButton::UseSystemColours(bool highContrast) {
  m_face = ::GetSysColor(COLOR_BTNFACE);
  m_text = ::GetSysColor(COLOR_BTNTEXT);
  m_bIconsAsShapes = highContrast;
}

CIconButton::~CIconButton() {
  if (m_hWnd) {
    HWND hwnd = m_hWnd;
    Detach();
    ::DestroyWindow(hwnd);
  }
  ReleaseIcons();
}

bool CIconButton::SubclassDlgItem(int id, HWND parent) {
  HWND button = ::GetDlgItem(parent, id);
  return button && AttachButton(button);
}

bool CIconButton::AttachButton(HWND button) {
  if (m_hWnd || !::IsWindow(button)) return false;
  // The window's own data belongs to whoever made it; the subclass keeps this object beside it.
  if (::SendMessageW(button, BoundQuestion(), 0, 0) == kBoundAnswer) return false;
  if (!::SetWindowSubclass(button, &CIconButton::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  m_hWnd = button;
  // Owner-drawn keeps the button's behaviour and leaves every pixel to DrawItem.
  const BYTE type = static_cast<BYTE>(::GetWindowLongW(button, GWL_STYLE) | BS_OWNERDRAW);
  ::SendMessageW(button, BM_SETSTYLE, type, TRUE);
  return true;
}

void CIconButton::Detach() {
  if (!m_hWnd) return;
  ::RemoveWindowSubclass(m_hWnd, &CIconButton::SubclassProc, kSubclassId);
  m_hWnd = nullptr;
}

LRESULT CALLBACK CIconButton::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (msg == BoundQuestion()) return kBoundAnswer;
  return reinterpret_cast<CIconButton*>(self)->WindowProc(msg, wParam, lParam);
}

LRESULT CIconButton::CallButtonClass(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(m_hWnd, msg, wParam, lParam);
}

LRESULT CIconButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      const LRESULT result = CallButtonClass(msg, wParam, lParam);
      OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = CallButtonClass(msg, wParam, lParam);
      OnKillFocus();
      return result;
    }
    case WM_ENABLE: {
      const LRESULT result = CallButtonClass(msg, wParam, lParam);
      if (!wParam) OnDisable();
      return result;
    }
    case WM_GETDLGCODE: {
      // An owner-drawn button is no push button to the dialog manager, which would give Enter on it to the
      // dialog's default button instead; Enter presses this button, as Space does.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = CallButtonClass(msg, wParam, lParam);
      return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) return CallButtonClass(msg, wParam, lParam);
      if (::IsWindowEnabled(m_hWnd))
        ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
      return 0;
    case WM_CHAR:
      // The Enter that pressed the button is not a character for it.
      return wParam == '\r' ? 0 : CallButtonClass(msg, wParam, lParam);
    case WM_REFLECTED_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_NCDESTROY: {
      HWND hwnd = m_hWnd;
      Detach();
      return ::DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    default:
      return CallButtonClass(msg, wParam, lParam);
  }
}

void CIconButton::OnMouseMove(UINT flags, POINT point) {
  const bool leftDown = (flags & MK_LBUTTON) != 0;
  // A pointer dragged in with the button held does not hover.
  if (leftDown && !m_bMouseOver) return;

  if (::GetCapture() != m_hWnd && ::GetActiveWindow() != nullptr &&
      (::GetWindow(m_hWnd, GW_OWNER) != nullptr || ::GetParent(m_hWnd) != nullptr)) {
    // The capture tells us when the pointer leaves.
    m_bMouseOver = TRUE;
    ::SetCapture(m_hWnd);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return;
  }

  RECT client;
  ::GetClientRect(m_hWnd, &client);
  if (::PtInRect(&client, point)) return;

  if (m_bMouseOver) {
    m_bMouseOver = FALSE;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
  // With the left button held the push button still needs the capture to finish the press.
  if (!leftDown) ::ReleaseCapture();
}

void CIconButton::OnKillFocus() {
  if (!m_bMouseOver) return;
  m_bMouseOver = FALSE;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CIconButton::OnDisable() {
  // A disabled button gets no mouse moves to see the pointer leave: it stops hovering now, and is drawn
  // with its resting icon greyed until enabled again.
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  if (!m_bMouseOver) return;
  m_bMouseOver = FALSE;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CIconButton::ReleaseIcons() {
  if (m_hIconNormal && m_hIconNormal != m_hIconHover) ::DestroyIcon(m_hIconNormal);
  if (m_hIconHover) ::DestroyIcon(m_hIconHover);
  m_hIconHover = nullptr;
  m_hIconNormal = nullptr;
}

void CIconButton::SetIconPair(HICON hover, HICON normal, BYTE width, BYTE height) {
  // Handles still shown are safe to release: every repaint reads the members afresh.
  ReleaseIcons();
  m_hIconHover = hover;
  m_hIconNormal = normal;
  m_iconWidth = width;
  m_iconHeight = height;
}

void CIconButton::LoadIconPair(int hoverId, int normalId, BYTE width, BYTE height) {
  HICON hover = LoadProgramIcon(hoverId, width, height);
  HICON normal = normalId != 0 ? LoadProgramIcon(normalId, width, height) : hover;
  SetIconPair(hover, normal, width, height);
}

void CIconButton::DrawItem(const DRAWITEMSTRUCT& item) {
  COffscreenDC dc(item.hDC);
  const RECT& rc = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;

  CBrushHandle face(::CreateSolidBrush(m_face));
  ::FillRect(dc, &rc, face.Get());

  if (m_bHoverFrame) DrawFrame(dc, rc, pressed);

  const std::wstring caption = m_bCaptionShown ? WindowText(m_hWnd) : std::wstring();
  RECT captionRect = rc;
  if (m_hIconHover) DrawIcon(dc, rc, captionRect, !caption.empty(), pressed, disabled);
  if (!caption.empty()) DrawCaption(dc, caption.c_str(), captionRect, pressed, disabled);
  // A keyboard user sees where the focus is, unless the window hides focus cues until a key is used.
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = rc;
    ::InflateRect(&focus, -2, -2);
    ::SetTextColor(dc, m_text);
    ::SetBkColor(dc, m_face);
    ::DrawFocusRect(dc, &focus);
  }
}

void CIconButton::DrawFrame(HDC dc, const RECT& rc, bool pressed) const {
  if (!pressed && !m_bMouseOver) return;
  CPenHandle shadow(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW)));
  CPenHandle highlight(::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
  // Sunken when pressed, raised when only hovered: the two strokes swap colours.
  HPEN leftTop = pressed ? shadow.Get() : highlight.Get();
  HPEN rightBottom = pressed ? highlight.Get() : shadow.Get();
  Polyline3(dc, leftTop, {rc.left, rc.bottom - 1}, {rc.left, rc.top}, {rc.right, rc.top});
  Polyline3(dc, rightBottom, {rc.left, rc.bottom - 1}, {rc.right - 1, rc.bottom - 1}, {rc.right - 1, rc.top - 1});
}

void CIconButton::DrawIcon(HDC dc, const RECT& rc, RECT& caption, bool hasCaption, bool pressed, bool disabled) const {
  RECT icon = rc;
  if (!hasCaption) {
    icon.left += (rc.right - m_iconWidth - rc.left) / 2;
  } else {
    icon.left += 3;
    caption.left += m_iconWidth + 3;
  }
  icon.top += (rc.bottom - m_iconHeight - rc.top) / 2;
  if (pressed) ::OffsetRect(&icon, 1, 1);

  HICON shown = (m_bMouseOver || pressed) ? m_hIconHover : m_hIconNormal;
  if (!shown) return;
  if (m_bIconsAsShapes) {
    DrawIconLines(dc, shown, icon.left, icon.top, m_iconWidth, m_iconHeight,
                  ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    return;
  }
  if (disabled) {
    // Resting icons are grey already, and an embossed copy looks much like them: a disabled button shows
    // only the icon's shape, flat, in a tint halfway between the face and the shadow.
    CBrushHandle faint(::CreateSolidBrush(Halfway(m_face, ::GetSysColor(COLOR_BTNSHADOW))));
    ::DrawStateW(dc, faint.Get(), nullptr, reinterpret_cast<LPARAM>(shown), 0, icon.left, icon.top,
                 icon.right - icon.left, icon.bottom - icon.top, DST_ICON | DSS_MONO);
    return;
  }
  ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shown), 0, icon.left, icon.top, icon.right - icon.left,
               icon.bottom - icon.top, DST_ICON);
}

void CIconButton::DrawCaption(HDC dc, const wchar_t* text, RECT& caption, bool pressed, bool disabled) const {
  if (pressed) ::OffsetRect(&caption, 1, 1);
  CSelectGuard font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
  ::SetTextColor(dc, m_text);
  ::SetBkColor(dc, m_face);

  // Centre the caption in the rectangle it had before measuring.
  const LONG oldWidth = caption.right - caption.left;
  const LONG oldHeight = caption.bottom - caption.top;
  ::DrawTextW(dc, text, -1, &caption, DT_SINGLELINE | DT_CALCRECT);
  ::OffsetRect(&caption, (oldWidth - (caption.right - caption.left)) / 2,
               (oldHeight - (caption.bottom - caption.top)) / 2);
  ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, caption.left, caption.top,
               caption.right - caption.left, caption.bottom - caption.top,
               DST_PREFIXTEXT | (disabled ? DSS_DISABLED : 0));
}
