#include "ui/Clipboard.h"

#include <cstring>

#include "ui/WideText.h"

namespace {

// Another program may hold the clipboard open for a moment (clipboard managers read each change).
constexpr int kOpenTries = 5;
constexpr DWORD kOpenPauseMs = 20;

class CClipboardOpen {
 public:
  explicit CClipboardOpen(HWND owner) {
    for (int i = 0; i < kOpenTries && !m_bOpen; ++i) {
      if (i > 0) ::Sleep(kOpenPauseMs);
      m_bOpen = ::OpenClipboard(owner) != FALSE;
    }
  }
  ~CClipboardOpen() {
    if (m_bOpen) ::CloseClipboard();
  }
  CClipboardOpen(const CClipboardOpen&) = delete;
  CClipboardOpen& operator=(const CClipboardOpen&) = delete;
  bool IsOpen() const { return m_bOpen; }

 private:
  bool m_bOpen = false;
};

// Memory for the clipboard, freed unless the clipboard took it.
class CGlobalText {
 public:
  explicit CGlobalText(const std::wstring& text)
      : m_hMemory(::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    void* bytes = m_hMemory ? ::GlobalLock(m_hMemory) : nullptr;
    if (!bytes) return;
    std::memcpy(bytes, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(m_hMemory);
    m_bFilled = true;
  }
  ~CGlobalText() {
    if (m_hMemory) ::GlobalFree(m_hMemory);
  }
  CGlobalText(const CGlobalText&) = delete;
  CGlobalText& operator=(const CGlobalText&) = delete;
  bool IsFilled() const { return m_bFilled; }
  HGLOBAL Get() const { return m_hMemory; }
  // The clipboard owns the memory once it has taken it.
  void TakenByClipboard() { m_hMemory = nullptr; }

 private:
  HGLOBAL m_hMemory;
  bool m_bFilled = false;
};

}  // namespace

bool PutClipboardText(HWND owner, const std::string& utf8) {
  CGlobalText text(Widen(utf8));
  if (!text.IsFilled()) return false;
  CClipboardOpen clipboard(owner);
  if (!clipboard.IsOpen() || !::EmptyClipboard()) return false;
  if (!::SetClipboardData(CF_UNICODETEXT, text.Get())) return false;
  text.TakenByClipboard();
  return true;
}
