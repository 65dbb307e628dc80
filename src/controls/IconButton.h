#pragma once
// A flat owner-drawn push button with a hover icon and a normal icon. It subclasses an existing push button
// of a dialog with SetWindowSubclass (the window's own data stays its maker's), tracks the pointer with the
// mouse capture to know when it is hovered, and draws itself when the parent reflects WM_DRAWITEM to it
// (WM_REFLECTED_DRAWITEM). Enter and Space press it, as they press a push button; it draws the focus
// rectangle when it has the focus. The icons are owned by the button.
#include <windows.h>

#include "controls/GdiHandles.h"

class CIconButton {
 public:
  CIconButton();
  ~CIconButton();
  CIconButton(const CIconButton&) = delete;
  CIconButton& operator=(const CIconButton&) = delete;

  // Binds to the push button `id` of `parent` and makes it owner-drawn. False when there is no such control
  // or the button is already bound.
  bool SubclassDlgItem(int id, HWND parent);
  bool AttachButton(HWND button);
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Loads both icons from the program's resources at the size given; normalId 0 shows the hover icon in
  // every state. The earlier icons are released. Does not repaint.
  void LoadIconPair(int hoverId, int normalId, BYTE width, BYTE height);
  // Takes ownership of icons made elsewhere; hover and normal may be the same handle.
  void SetIconPair(HICON hover, HICON normal, BYTE width, BYTE height);
  void SetHoverFrame(bool bHoverFrame) { m_bHoverFrame = bHoverFrame; }
  // Whether the window text is drawn beside the icon. An icon-only button keeps its text all the same: it
  // is the button's name for screen readers and its Alt key.
  void SetCaptionShown(bool bShown) { m_bCaptionShown = bShown; }
  // Takes up the system's button colours again; under a high-contrast theme the icons' lines are drawn in the
  // button text colour, which stands out on any button face. Does not repaint.
  void UseSystemColours(bool highContrast);

  bool IsMouseOver() const { return m_bMouseOver != FALSE; }
  HICON GetHoverIcon() const { return m_hIconHover; }
  HICON GetNormalIcon() const { return m_hIconNormal; }

  // Draws one item as the system asks for it (the record of WM_DRAWITEM).
  virtual void DrawItem(const DRAWITEMSTRUCT& item);

 protected:
  virtual void OnMouseMove(UINT flags, POINT point);
  virtual void OnKillFocus();
  virtual void OnDisable();

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CallButtonClass(UINT msg, WPARAM wParam, LPARAM lParam);
  void Detach();
  void ReleaseIcons();
  void DrawFrame(HDC dc, const RECT& item, bool pressed) const;
  void DrawIcon(HDC dc, const RECT& item, RECT& caption, bool hasCaption, bool pressed, bool disabled) const;
  void DrawCaption(HDC dc, const wchar_t* text, RECT& caption, bool pressed, bool disabled) const;

  HWND m_hWnd = nullptr;

  BOOL m_bHoverFrame = TRUE;
  bool m_bCaptionShown = true;
  BOOL m_bMouseOver = FALSE;
  HICON m_hIconHover = nullptr;
  HICON m_hIconNormal = nullptr;
  BYTE m_iconHeight = 0;
  BYTE m_iconWidth = 0;
  COLORREF m_face;
  COLORREF m_text;
  bool m_bIconsAsShapes = false;
};
