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
                          int firstVerse, const PageWords& words, const PageColours& colours) {
  const RECT text = ToRect(layout.rcText), dateColumn = ToRect(layout.rcDateColumn);
  const RECT header = ToRect(layout.rcHeader), body = ToRect(layout.rcBody);
  {
    CBrushHandle face(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    ::FillRect(dc, &clip, face.Get());
    CBrushHandle dateGround(::CreateSolidBrush(colours.dateGround));
    ::FillRect(dc, &dateColumn, dateGround.Get());
    CBrushHandle pageGround(::CreateSolidBrush(colours.pageGround));
    ::FillRect(dc, &header, pageGround.Get());
    ::FillRect(dc, &body, pageGround.Get());
    RECT frame = text;
    ::InflateRect(&frame, 1, 1);
    CBrushHandle frameBrush(::CreateSolidBrush(colours.frame));
    ::FrameRect(dc, &frame, frameBrush.Get());
  }
  {
    CPenHandle rule(::CreatePen(PS_SOLID, 0, colours.rule));
    CSelectGuard usePen(dc, rule.Get());
    ::MoveToEx(dc, header.left, header.bottom, nullptr);
    ::LineTo(dc, header.right, header.bottom);
  }

  CSelectGuard useFont(dc, font);
  const UINT alignRight = TA_RIGHT | TA_TOP, alignLeft = TA_LEFT | TA_TOP;

  TextStyle(dc, colours.dateText, colours.dateGround, alignRight);
  TextAt(dc, layout.dateRight, layout.headerLineTop[0], NumberWithWord(day.date.year, words.year));
  TextAt(dc, layout.dateRight, layout.headerLineTop[1], NumberWithWord(day.date.month, words.month));
  TextAt(dc, layout.dateRight, layout.headerLineTop[2], NumberWithWord(day.date.day, words.day));

  TextStyle(dc, colours.title, colours.pageGround, alignLeft);
  TextAt(dc, layout.textLeft, layout.headerLineTop[0], day.strYearTitle);
  TextAt(dc, layout.textLeft, layout.headerLineTop[1], day.strMonthTitle);
  ::SetTextColor(dc, colours.text);
  TextAt(dc, layout.textLeft, layout.headerLineTop[2], day.strRange);

  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int bottom = text.bottom;
  return FlowVerses(firstVerse, day.VerseCount(), lineHeight, layout.firstVerseTop, bottom, [&](int index, int top) {
    const VerseEntry& verse = day.verses[index];
    TextStyle(dc, colours.dateText, colours.dateGround, alignRight);
    TextAt(dc, layout.dateRight, top, verse.szVerse);
    TextStyle(dc, colours.text, colours.pageGround, alignLeft);
    RECT textRect{layout.textLeft, top, body.right, bottom};
    // Verse text is plain text: an ampersand is a character, not a mnemonic mark.
    const std::wstring body = Widen(day.bHasPassage ? verse.strBody : words.noPassage);
    return ::DrawTextW(dc, body.c_str(), static_cast<int>(body.size()), &textRect,
                       DT_WORDBREAK | DT_EXTERNALLEADING | DT_NOPREFIX);
  });
}
