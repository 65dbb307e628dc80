#pragma once
// The one place where an exception that ends a window-message handler is shown to the user: an engine
// error with its own description, anything else with a general text, always with the stop icon.
#include <windows.h>

// A command chosen from a menu (not from a control or an accelerator).
inline bool IsMenuCommand(UINT msg, WPARAM wParam, LPARAM lParam) {
  return msg == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0;
}

// Call only from inside a catch block. `fromMenu` picks the text for a failed menu command.
void ReportHandlerError(HWND owner, bool fromMenu = false) noexcept;

// Runs a handler; an exception it throws is reported and `onError` returned, so none unwinds through Win32.
template <typename Handler, typename Result>
Result CallGuarded(HWND owner, bool fromMenu, Result onError, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    ReportHandlerError(owner, fromMenu);
    return onError;
  }
}
