#include "reading/PageZoom.h"

#include <windowsx.h>

#include "habit/SettingsFile.h"
#include "habit/TextSize.h"
#include "reading/TextSizeInput.h"

CPageZoom::CPageZoom(std::string programDir)
    : m_strProgramDir(std::move(programDir)), m_nSize(ReadSettingsFile(m_strProgramDir).textSize) {}

CPageZoom::Input CPageZoom::Take(const MSG& msg, HWND page, bool keysToPicker) {
  int size = m_nSize;
  if (msg.message == WM_KEYDOWN) {
    const TextSizeKey key = TextSizeKeyOf(static_cast<int>(msg.wParam));
    if (key == TextSizeKey::kNone || keysToPicker || ::GetKeyState(VK_CONTROL) >= 0) return {};
    size = TextSizeAfterKey(size, key);
  } else if (msg.message == WM_MOUSEWHEEL) {
    if (!(GET_KEYSTATE_WPARAM(msg.wParam) & MK_CONTROL)) return {};
    // The wheel goes to the focus or to the window under the pointer; either way it counts over the page only.
    RECT place;
    const POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (!page || !::GetWindowRect(page, &place) || !::PtInRect(&place, at)) return {};
    size = StepTextSize(size, TakeWheelNotches(m_nWheelCarry, GET_WHEEL_DELTA_WPARAM(msg.wParam)));
  } else {
    return {};
  }
  const bool changed = size != m_nSize;
  m_nSize = size;
  return {true, changed};
}

MessageText CPageZoom::Store() {
  const SettingsWriting writing = WriteTextSize(m_strProgramDir, m_nSize);
  if (writing.written || m_bToldCannotStore) return MessageText();
  m_bToldCannotStore = true;
  return writing.Message();
}
