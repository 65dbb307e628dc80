#pragma once
// Helpers for window tests: dialog templates built in memory, solid-colour icons, a pixel-readable drawing
// surface, and a recorder that answers the application's message boxes.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "ui/AppMessageBox.h"
#include "controls/GdiHandles.h"

// A DLGTEMPLATE with push buttons, in the system font. Sizes are dialog units; tests move controls to
// pixel places in OnInitDialog when they need exact sizes.
class CTestDialogTemplate {
 public:
  CTestDialogTemplate(DWORD style, short cx, short cy) {
    PutDword(style);
    PutDword(0);           // extended style
    m_words.push_back(0);  // control count, counted up by AddButton
    PutShorts({0, 0, cx, cy});
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // standard dialog class
    PutText(L"test");
  }

  void AddButton(WORD id, const wchar_t* text, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON) {
    if (m_words.size() % 2) m_words.push_back(0);  // items start on a DWORD boundary
    PutDword(style);
    PutDword(0);
    PutShorts({static_cast<short>(10 + 60 * m_words[4]), 10, 50, 20});
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(0x0080);  // button class
    PutText(text);
    m_words.push_back(0);  // no creation data
    ++m_words[4];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

 private:
  void PutDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
  }
  void PutShorts(std::initializer_list<short> values) {
    for (short v : values) m_words.push_back(static_cast<WORD>(v));
  }
  void PutText(const wchar_t* text) {
    for (; *text; ++text) m_words.push_back(static_cast<WORD>(*text));
    m_words.push_back(0);
  }
  std::vector<WORD> m_words;
};

// An opaque square icon of one colour.
inline HICON MakeSolidIcon(COLORREF colour, int size = 32) {
  CWindowDC screen(nullptr);
  CBitmapHandle image(::CreateCompatibleBitmap(screen.Get(), size, size));
  {
    CMemoryDcHandle dc(::CreateCompatibleDC(screen.Get()));
    CSelectGuard select(dc.Get(), image.Get());
    CBrushHandle brush(::CreateSolidBrush(colour));
    RECT all{0, 0, size, size};
    ::FillRect(dc.Get(), &all, brush.Get());
  }
  std::vector<BYTE> zeros(static_cast<size_t>(size) * size / 8 + size * 2, 0);
  CBitmapHandle mask(::CreateBitmap(size, size, 1, 1, zeros.data()));  // all zero: every pixel opaque
  ICONINFO info{TRUE, 0, 0, mask.Get(), image.Get()};
  return ::CreateIconIndirect(&info);
}

// A 32-bit top-down DIB in a memory context, filled with one colour, whose pixels can be read back exactly.
class CPixelSurface {
 public:
  CPixelSurface(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
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
    CBrushHandle brush(::CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    ::FillRect(m_dc.Get(), &all, brush.Get());
  }
  ~CPixelSurface() { ::SelectObject(m_dc.Get(), m_hPrevious); }
  CPixelSurface(const CPixelSurface&) = delete;
  CPixelSurface& operator=(const CPixelSurface&) = delete;

  HDC Dc() const { return m_dc.Get(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  COLORREF Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    ::GdiFlush();  // the bits are read directly, so pending drawing must have landed
    const uint32_t bgr = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  // Counts the pixels of `area` that have (or, with `equal` false, do not have) the colour.
  int Count(const RECT& area, COLORREF colour, bool equal = true) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += ((Pixel(x, y) == colour) == equal) ? 1 : 0;
    return n;
  }
  // Counts the pixels of `area` darker than mid grey: the ink of dark text on a light ground, whether the
  // font is drawn smoothed or not.
  int CountInk(const RECT& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += IsInk(Pixel(x, y)) ? 1 : 0;
    return n;
  }
  static bool IsInk(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }
  // Writes a 32-bit bottom-up BMP file, for people to look at.
  bool SaveBmp(const std::string& path) const {
    ::GdiFlush();
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
  int m_width;
  int m_height;
  CMemoryDcHandle m_dc;
  CBitmapHandle m_bitmap;
  HGDIOBJ m_hPrevious = nullptr;
  const uint32_t* m_bits = nullptr;
};

// Answers every application message box while it lives and keeps what would have been shown.
class CMessageBoxRecorder {
 public:
  struct Box {
    std::string text;
    UINT type;
    std::string caption;
  };
  explicit CMessageBoxRecorder(int answer = IDOK) : m_nAnswer(answer) {
    SetMessageBoxResponder([this](const std::string& text, UINT type, const std::string& caption) {
      m_boxes.push_back({text, type, caption});
      return m_nAnswer;
    });
  }
  ~CMessageBoxRecorder() { SetMessageBoxResponder(nullptr); }
  CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
  CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;
  const std::vector<Box>& Boxes() const { return m_boxes; }
  void Clear() { m_boxes.clear(); }
  // The answer to every box from now on (IDOK, IDYES, ...).
  void SetAnswer(int answer) { m_nAnswer = answer; }

 private:
  std::vector<Box> m_boxes;
  int m_nAnswer;
};

// Delivers what is queued for this thread's windows without blocking.
inline void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}
