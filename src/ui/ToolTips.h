#pragma once
// One tooltip window for a window's controls: each control's tip is its own text without the mnemonic mark,
// so that an icon button shows the name a screen reader says ("이전 날(P)" for "이전 날(&P)").
#include <windows.h>

class CToolTips {
 public:
  CToolTips() = default;
  ~CToolTips();
  CToolTips(const CToolTips&) = delete;
  CToolTips& operator=(const CToolTips&) = delete;

  // Makes the tooltip window for the controls of `owner`; false when it could not be made (then the
  // controls simply have no tips).
  bool Create(HWND owner);
  // Shows the control's text as its tip while the pointer rests on it.
  void AddControl(HWND control);
  HWND Hwnd() const { return m_hWnd; }

 private:
  HWND m_hWnd = nullptr;
  HWND m_hOwner = nullptr;
};
