#pragma once
// F1 in any window of the program asks the application's main window for help; the key then goes on as
// usual.
#include <windows.h>

#include "res/Resource.h"

inline void SendHelpOnF1(const MSG& msg, HWND mainWindow) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && mainWindow)
    ::SendMessageW(mainWindow, WM_COMMAND, ID_HELP_OPEN, 0);
}
