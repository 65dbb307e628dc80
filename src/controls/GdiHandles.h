#pragma once
// Owners for GDI and USER handles: each releases its handle once, in its destructor, and can only be moved.
// CSelectGuard puts an object into a device context for one scope and restores the previous one.
#include <windows.h>

#include <utility>

template <typename Handle, typename Releaser>
class CUniqueHandle {
 public:
  CUniqueHandle() = default;
  explicit CUniqueHandle(Handle handle) : m_handle(handle) {}
  ~CUniqueHandle() { Reset(); }
  CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.Release()) {}
  CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  CUniqueHandle(const CUniqueHandle&) = delete;
  CUniqueHandle& operator=(const CUniqueHandle&) = delete;

  Handle Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  Handle Release() { return std::exchange(m_handle, nullptr); }
  void Reset(Handle handle = nullptr) {
    Handle old = std::exchange(m_handle, handle);
    if (old) Releaser::Free(old);
  }

 private:
  Handle m_handle = nullptr;
};

struct GdiObjectRelease {
  static void Free(HGDIOBJ object) { ::DeleteObject(object); }
};
struct IconRelease {
  static void Free(HICON icon) { ::DestroyIcon(icon); }
};
struct MenuRelease {
  static void Free(HMENU menu) { ::DestroyMenu(menu); }
};
struct MemoryDcRelease {
  static void Free(HDC dc) { ::DeleteDC(dc); }
};

using CBrushHandle = CUniqueHandle<HBRUSH, GdiObjectRelease>;
using CPenHandle = CUniqueHandle<HPEN, GdiObjectRelease>;
using CFontHandle = CUniqueHandle<HFONT, GdiObjectRelease>;
using CBitmapHandle = CUniqueHandle<HBITMAP, GdiObjectRelease>;
using CIconHandle = CUniqueHandle<HICON, IconRelease>;
using CMenuHandle = CUniqueHandle<HMENU, MenuRelease>;
// A context from CreateCompatibleDC or CreateDC; window contexts use CWindowDC.
using CMemoryDcHandle = CUniqueHandle<HDC, MemoryDcRelease>;

// A window's context from GetDC, given back with ReleaseDC.
class CWindowDC {
 public:
  explicit CWindowDC(HWND window) : m_hWnd(window), m_hDC(::GetDC(window)) {}
  ~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
  }
  CWindowDC(const CWindowDC&) = delete;
  CWindowDC& operator=(const CWindowDC&) = delete;
  HDC Get() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

// Selects an object for one scope. The object must outlive the guard, so declare its owner first.
class CSelectGuard {
 public:
  CSelectGuard(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hPrevious(object ? ::SelectObject(dc, object) : nullptr) {}
  ~CSelectGuard() {
    if (m_hPrevious) ::SelectObject(m_hDC, m_hPrevious);
  }
  CSelectGuard(const CSelectGuard&) = delete;
  CSelectGuard& operator=(const CSelectGuard&) = delete;

 private:
  HDC m_hDC;
  HGDIOBJ m_hPrevious;
};
