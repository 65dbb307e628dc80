#pragma once
// The dots per inch a window is shown at: GetDpiForWindow where the system has it (Windows 10 1607 and later,
// found at run time), else the system's DPI. 96 is 100 %.
#include <windows.h>

// The message a window gets when it moves to a monitor of another scale (Windows 8.1 and later), which the
// headers give only to programs built for those systems alone.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

int WindowDpi(HWND window);
