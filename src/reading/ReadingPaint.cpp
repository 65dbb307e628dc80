// Painting of the reading window's page: date column, header and as many verses as fit.
#include <algorithm>
#include <string>

#include "controls/GdiHandles.h"
#include "controls/OffscreenDC.h"
#include "reading/PageFlow.h"
#include "reading/ReadingDay.h"
#include "reading/ReadingLayout.h"
#include "reading/ReadingPage.h"
#include "base/MessageText.h"
#include "ui/WideText.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDarkBlue = RGB(0, 0, 127);

void TextAt(HDC dc, int x, int y, const std::string& text) {
  const std::wstring wide = Widen(text);
  ::TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void TextStyle(HDC dc, COLORREF text, COLORREF background, UINT align) {
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, background);
  ::SetTextAlign(dc, align);
}

RECT ToRect(const PageRect& page) { return RECT{page.left, page.top, page.right, page.bottom}; }

std::string NumberWithWord(int number, const std::string& format) {
  return FillText(format, {std::to_string(number)});
}

}  // namespace

VerseFlow DrawReadingPage(HDC dc, const RECT& clip, HFONT font, const ReadingLayout& layout, const ReadingDay& day,
                          int firstVerse, const PageWords& words) {
  const RECT text = ToRect(layout.rcText), dateColumn = ToRect(layout.rcDateColumn);
  const RECT header = ToRect(layout.rcHeader), body = ToRect(layout.rcBody);
  {
    CBrushHandle face(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(dc, &clip, face.Get());
    CBrushHandle grey(::CreateSolidBrush(kGrey));
    ::FillRect(dc, &dateColumn, grey.Get());
  }
  ::FillRect(dc, &header, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  ::FillRect(dc, &body, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  RECT frame = text;
  ::InflateRect(&frame, 1, 1);
  ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
  ::MoveToEx(dc, header.left, header.bottom, nullptr);
  ::LineTo(dc, header.right, header.bottom);

  CSelectGuard useFont(dc, font);
  const UINT alignRight = TA_RIGHT | TA_TOP, alignLeft = TA_LEFT | TA_TOP;

  TextStyle(dc, kWhite, kGrey, alignRight);
  const int* lines = layout.headerLines;
  TextAt(dc, layout.dateRight, lines[0], NumberWithWord(day.date.year, words.year));
  TextAt(dc, layout.dateRight, lines[1], NumberWithWord(day.date.month, words.month));
  TextAt(dc, layout.dateRight, lines[2], NumberWithWord(day.date.day, words.day));

  TextStyle(dc, kDarkBlue, kWhite, alignLeft);
  TextAt(dc, layout.textLeft, lines[0], day.strYearTitle);
  TextAt(dc, layout.textLeft, lines[1], day.strMonthTitle);
  ::SetTextColor(dc, kBlack);
  TextAt(dc, layout.textLeft, lines[2], day.strRange);

  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int bottom = text.bottom;
  return FlowVerses(firstVerse, day.VerseCount(), lineHeight, layout.firstVerseTop, bottom, [&](int index, int top) {
    const VerseEntry& verse = day.verses[index];
    TextStyle(dc, kWhite, kGrey, alignRight);
    TextAt(dc, layout.dateRight, top, verse.szVerse);
    TextStyle(dc, kBlack, kWhite, alignLeft);
    RECT textRect{layout.textLeft, top, body.right, bottom};
    // Verse text is plain text: an ampersand is a character, not a mnemonic mark.
    const std::wstring body = Widen(day.bHasPassage ? verse.strBody : words.noPassage);
    return ::DrawTextW(dc, body.c_str(), static_cast<int>(body.size()), &textRect,
                       DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
  });
}
