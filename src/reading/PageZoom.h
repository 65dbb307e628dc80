#pragma once
// The reading page's text size as the user changes it in the reading window: Ctrl with =, - or 0 while the
// focus is anywhere in the window but the date picker, and Ctrl with the wheel over the page. The size comes
// from Vesperal.ini when the window opens (the settings window, which also changes it, never runs beside a
// reading window) and goes back there at each change.
#include <windows.h>

#include <string>

#include "base/MessageText.h"

class CPageZoom {
 public:
  // Reads the size from Vesperal.ini in `programDir`, which ends in a separator.
  explicit CPageZoom(std::string programDir);

  int Size() const { return m_nSize; }

  struct Input {
    bool consumed = false;  // the message was one of the size's keys or wheel turns
    bool changed = false;   // and changed the size
  };
  // Takes a message from the window's message loop. `keysToPicker`: the date picker has the focus and its own keys.
  Input Take(const MSG& msg, HWND page, bool keysToPicker);

  // Keeps the size in Vesperal.ini. The message to tell when it could not, the first time only; else empty.
  MessageText Store();

 private:
  std::string m_strProgramDir;
  int m_nSize;
  int m_nWheelCarry = 0;
  bool m_bToldCannotStore = false;
};
