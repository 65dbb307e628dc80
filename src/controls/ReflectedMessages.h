#pragma once
// Notifications that a parent sends back to the control they concern, so the control draws itself.
// The numbers follow the common reflection base (WM_USER + 0x1C00), away from any control's own messages.
#include <windows.h>

// wParam and lParam as in WM_DRAWITEM; a control that drew the item returns TRUE.
constexpr UINT WM_REFLECTED_DRAWITEM = WM_USER + 0x1C00 + WM_DRAWITEM;
