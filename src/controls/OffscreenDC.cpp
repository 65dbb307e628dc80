#include "controls/OffscreenDC.h"

#include <algorithm>

namespace {

bool IsPrinterContext(HDC dc) {
  const int technology = ::GetDeviceCaps(dc, TECHNOLOGY);
  return technology == DT_RASPRINTER || technology == DT_PLOTTER;
}

}  // namespace

COffscreenDC::COffscreenDC(HDC target) : m_hTarget(target) {
  ::GetClipBox(target, &m_rcWork);
  if (!IsPrinterContext(target)) m_bOffscreen = MakeMemorySurface();
  if (!m_bOffscreen) {
    // A printer, or no memory for the bitmap: draw straight into the target and put its state back after.
    m_hDC = target;
    m_nSavedState = ::SaveDC(target);
  }
  SetDefaultState();
}

bool COffscreenDC::MakeMemorySurface() {
  // An empty clip box still gets a surface, so that callers need no special case.
  const int width = std::max<LONG>(1, m_rcWork.right - m_rcWork.left);
  const int height = std::max<LONG>(1, m_rcWork.bottom - m_rcWork.top);
  CMemoryDcHandle memory(::CreateCompatibleDC(m_hTarget));
  if (!memory) return false;
  CBitmapHandle bitmap(::CreateCompatibleBitmap(m_hTarget, width, height));
  if (!bitmap) return false;
  m_hPreviousBitmap = ::SelectObject(memory.Get(), bitmap.Get());
  ::SetWindowOrgEx(memory.Get(), m_rcWork.left, m_rcWork.top, nullptr);
  m_memory = std::move(memory);
  m_bitmap = std::move(bitmap);
  m_hDC = m_memory.Get();
  return true;
}

void COffscreenDC::SetDefaultState() {
  ::SetBkMode(m_hDC, OPAQUE);
  ::SetTextAlign(m_hDC, TA_TOP | TA_LEFT);
  m_hPreviousPen = ::SelectObject(m_hDC, ::GetStockObject(BLACK_PEN));
}

COffscreenDC::~COffscreenDC() {
  if (!m_bOffscreen) {
    if (m_nSavedState) ::RestoreDC(m_hTarget, m_nSavedState);
    return;
  }
  // Copy from the bitmap's own origin: Wine clips a source rectangle given through a moved window origin
  // against the bitmap as if it were not moved, and would leave the far part of the box uncopied.
  ::SetWindowOrgEx(m_hDC, 0, 0, nullptr);
  ::BitBlt(m_hTarget, m_rcWork.left, m_rcWork.top, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - m_rcWork.top,
           m_hDC, 0, 0, SRCCOPY);
  if (m_hPreviousPen) ::SelectObject(m_hDC, m_hPreviousPen);
  if (m_hPreviousBitmap) ::SelectObject(m_hDC, m_hPreviousBitmap);
  // The bitmap and the memory context are deleted by their owners, bitmap first.
  m_bitmap.Reset();
  m_memory.Reset();
}
