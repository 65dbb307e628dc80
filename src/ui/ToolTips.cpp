#include "ui/ToolTips.h"

#include <commctrl.h>

#include <string>

#include "ui/MnemonicText.h"

CToolTips::~CToolTips() {
  if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

bool CToolTips::Create(HWND owner) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&classes);
  m_hOwner = owner;
  // The tip's text is given without the mark, so the control does not draw an underline of its own.
  m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
  return m_hWnd != nullptr;
}

void CToolTips::AddControl(HWND control) {
  if (!m_hWnd || !control) return;
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
  std::wstring tip = WithoutMnemonicMark(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  // The tooltip watches the control's own mouse messages.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = m_hOwner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = &tip[0];
  ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}
