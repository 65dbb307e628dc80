#include "ui/WindowText.h"

#include "ui/WideText.h"

std::string WindowTextUtf8(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetWindowTextUtf8(HWND window, const std::string& text) { ::SetWindowTextW(window, Widen(text).c_str()); }
