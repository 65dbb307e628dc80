#include "ui/Dpi.h"

#include "ui/OnDemandLibrary.h"

int WindowDpi(HWND window) {
  static const auto dpiForWindow = LibraryFunctionAs<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
  if (dpiForWindow && window) {
    if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
  }
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}
