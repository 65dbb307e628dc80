#pragma once
// A picture of a window as it is on the screen, with its pixels readable and savable as a BMP file.
#include <windows.h>

#include <string>

#include "WinTestSupport.h"

// The window's client area copied from its own device context after it has painted.
class CScreenshot : public CPixelSurface {
 public:
  explicit CScreenshot(HWND window) : CPixelSurface(ClientSize(window).cx, ClientSize(window).cy, RGB(0, 0, 0)) {
    CWindowDC source(window);
    ::BitBlt(Dc(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
  }

 private:
  static SIZE ClientSize(HWND window) {
    ::UpdateWindow(window);
    RECT client;
    ::GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
  }
};

// The folder of the test program (the build folder), where screenshots are left for people to look at.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}
