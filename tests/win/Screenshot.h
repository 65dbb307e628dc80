#pragma once
// A picture of a window as it is on the screen, with its pixels readable and savable as a BMP file.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "controls/GdiHandles.h"

class CScreenshot {
 public:
  // Copies the window's client area from its own device context after it has painted.
  explicit CScreenshot(HWND window) {
    ::UpdateWindow(window);
    RECT client;
    ::GetClientRect(window, &client);
    Allocate(client.right, client.bottom);
    CWindowDC source(window);
    ::BitBlt(m_dc.Get(), 0, 0, m_width, m_height, source.Get(), 0, 0, SRCCOPY);
  }
  ~CScreenshot() { ::SelectObject(m_dc.Get(), m_hPrevious); }
  CScreenshot(const CScreenshot&) = delete;
  CScreenshot& operator=(const CScreenshot&) = delete;

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  COLORREF Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    const uint32_t bgr = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  // Pixels of `area` that have (or, with `equal` false, do not have) the colour.
  int Count(const RECT& area, COLORREF colour, bool equal = true) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += (Pixel(x, y) == colour) == equal ? 1 : 0;
    return n;
  }

  // Writes a 32-bit bottom-up BMP file.
  bool SaveBmp(const std::string& path) const {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = m_width;
    info.biHeight = m_height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD imageBytes = static_cast<DWORD>(m_width) * m_height * 4;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = m_height - 1; y >= 0; --y)
      out.write(reinterpret_cast<const char*>(m_bits + static_cast<size_t>(y) * m_width), m_width * 4);
    return out.good();
  }

 private:
  void Allocate(int width, int height) {
    m_width = width;
    m_height = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc.Reset(::CreateCompatibleDC(nullptr));
    m_bitmap.Reset(::CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const uint32_t*>(bits);
    m_hPrevious = ::SelectObject(m_dc.Get(), m_bitmap.Get());
  }

  int m_width = 0, m_height = 0;
  CMemoryDcHandle m_dc;
  CBitmapHandle m_bitmap;
  HGDIOBJ m_hPrevious = nullptr;
  const uint32_t* m_bits = nullptr;
};

// The folder of the test program (the build folder), where screenshots are left for people to look at.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}
