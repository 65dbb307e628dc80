#pragma once
// A drawing surface for one paint: drawing lands in a bitmap covering the target's clip box and reaches the
// target in one BitBlt when the surface is destroyed, so nothing flickers. Printer contexts are drawn
// directly. The surface starts with an opaque text background, TA_TOP | TA_LEFT and the black pen, which
// callers rely on.
#include <windows.h>

#include "controls/GdiHandles.h"

class COffscreenDC {
 public:
  explicit COffscreenDC(HDC target);
  ~COffscreenDC();
  COffscreenDC(const COffscreenDC&) = delete;
  COffscreenDC& operator=(const COffscreenDC&) = delete;

  operator HDC() const { return m_hDC; }
  // The target's clip box in its logical coordinates; draw in those same coordinates.
  const RECT& GetWorkingRect() const { return m_rcWork; }
  bool IsOffscreen() const { return m_bOffscreen; }

 private:
  bool MakeMemorySurface();
  void SetDefaultState();

  HDC m_hTarget;
  HDC m_hDC = nullptr;
  RECT m_rcWork{};
  CMemoryDcHandle m_memory;
  CBitmapHandle m_bitmap;
  HGDIOBJ m_hPreviousBitmap = nullptr;
  HGDIOBJ m_hPreviousPen = nullptr;
  int m_nSavedState = 0;
  bool m_bOffscreen = false;
};
