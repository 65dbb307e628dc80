// Measures how Korean fonts fit the reading page's lines. For each face name given, a 9-point font (the dialog
// font size) draws every ASCII character and every common Hangul syllable into a bitmap, and the tool prints
// the page's line height (tmHeight + tmExternalLeading), the first and last rows of ink relative to the line's
// top, and so the number of empty pixel rows left between two wrapped lines, for all characters and for the
// Hangul syllables alone. A face is a good substitute for the page font when that number is at least one.
// Run under Wine: wine-run.sh font_fit.exe FACE...
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "db/Cp949.h"
#include "ui/WideText.h"

namespace {

constexpr int kWidth = 1000, kHeight = 60;
// Every printable ASCII character and every Hangul syllable of code page 949's common set, in lines of 60.
std::vector<std::string> SampleLines(bool withAscii) {
  std::string all;
  if (withAscii)
    for (int c = 0x21; c < 0x7F; ++c) all += static_cast<char>(c);
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      all += static_cast<char>(lead);
      all += static_cast<char>(trail);
    }
  // 120 bytes of code page 949 a line, drawn as the UTF-8 text they spell.
  std::vector<std::string> lines;
  for (size_t i = 0; i < all.size(); i += 120) lines.push_back(Cp949ToUtf8(all.substr(i, 120)));
  return lines;
}

struct Fit {
  int lineHeight = 0, inkTop = 0, inkBottom = 0, gapRows = 0;
  std::string actualFace;
};

Fit Measure(const char* face, bool withAscii) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  const int height = -::MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
  HFONT font =
      ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, FIXED_PITCH, Widen(face).c_str());
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  RECT all{0, 0, kWidth, kHeight};
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

  Fit fit;
  wchar_t actual[LF_FACESIZE] = {};
  ::GetTextFaceW(dc, LF_FACESIZE, actual);
  fit.actualFace = Narrow(actual);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  fit.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  // Each sample line alone, unclipped, with a line of room above and below, so ink outside the line's own
  // cell is seen too.
  const int top = fit.lineHeight;
  const auto* pixels = static_cast<const DWORD*>(bits);
  fit.inkTop = kHeight;
  fit.inkBottom = -kHeight;
  for (const std::string& line : SampleLines(withAscii)) {
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    RECT text{4, top, kWidth - 4, kHeight};
    const std::wstring wide = Widen(line);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
                DT_SINGLELINE | DT_EXTERNALLEADING | DT_NOCLIP | DT_NOPREFIX);
    ::GdiFlush();
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if ((pixels[y * kWidth + x] & 0xFFFFFF) != 0xFFFFFF) {
          fit.inkTop = std::min(fit.inkTop, y - top);
          fit.inkBottom = std::max(fit.inkBottom, y - top);
          break;
        }
  }
  // Empty rows between the first and second line's ink.
  fit.gapRows = fit.lineHeight + fit.inkTop - fit.inkBottom - 1;

  ::SelectObject(dc, oldFont);
  ::DeleteObject(font);
  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return fit;
}

}  // namespace

int main() {
  // Face names are read in UTF-16, whatever the system's code page, and printed in UTF-8.
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  std::printf("%-24s %5s %6s %6s %5s %10s\n", "face", "line", "inkTop", "inkBot", "gap", "gapHangul");
  for (int i = 1; argv && i < argc; ++i) {
    const std::string face = Narrow(argv[i]);
    const Fit fit = Measure(face.c_str(), true), hangul = Measure(face.c_str(), false);
    std::printf("%-24s %5d %6d %6d %5d %10d\n", fit.actualFace.c_str(), fit.lineHeight, fit.inkTop, fit.inkBottom,
                fit.gapRows, hangul.gapRows);
  }
  ::LocalFree(argv);
  return 0;
}
