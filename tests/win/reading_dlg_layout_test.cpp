// The reading window's size: never smaller than 500 by 300, and its controls placed by the layout (whose
// rectangles reading_page_test.cpp pins) when it opens, is maximised and restored.
#include <algorithm>

#include "ReadingDlgFixture.h"
#include "Screenshot.h"
#include "ui/Dpi.h"
#include "ui/IconSize.h"

namespace {

class ReadingLayoutTest : public ReadingDlgTest {
 protected:
  // What the layout takes of the window's font: its line height and the date column's widest figure.
  PageText FontText() const {
    CWindowDC dc(Hwnd());
    CSelectGuard font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.Get(), &metrics);
    SIZE year{};
    ::GetTextExtentPoint32W(dc.Get(), L"0000\uB144", 5, &year);
    return PageText{metrics.tmHeight + metrics.tmExternalLeading, year.cx};
  }
  void ExpectControlsPlacedFor(SIZE client, int dpi = 96) {
    const ReadingLayout layout = LayOutReadingWindow(client.cx, client.cy, dpi, FontText());
    const std::pair<int, ControlPlace> controls[] = {
        {IDC_READING_SCROLL, layout.scrollBar}, {IDC_PREV_DAY, layout.prevDay}, {IDC_NEXT_DAY, layout.nextDay},
        {IDC_DIARY_BUTTON, layout.diary},       {IDOK, layout.close},           {IDC_READING_DATE, layout.datePicker}};
    for (const auto& [id, place] : controls) {
      const RECT rect = ItemRect(id);
      EXPECT_EQ(rect.left, place.x) << id;
      EXPECT_EQ(rect.top, place.y) << id;
      EXPECT_EQ(rect.right - rect.left, place.width) << id;
      EXPECT_EQ(rect.bottom - rect.top, place.height) << id;
    }
  }
  SIZE ClientSize() const {
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    return SIZE{client.right, client.bottom};
  }
};

}  // namespace

TEST_F(ReadingLayoutTest, CannotBeMadeSmallerThan500By300) {
  WritePlan(m_year, {});
  Open();
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, 320, 180, SWP_NOZORDER | SWP_NOMOVE);
  Settle();
  RECT window;
  ::GetWindowRect(Hwnd(), &window);
  EXPECT_EQ(500, window.right - window.left);
  EXPECT_EQ(300, window.bottom - window.top);
  ExpectControlsPlacedFor(ClientSize());
}

TEST_F(ReadingLayoutTest, OpeningMaximisingAndRestoringLayOutAtTheSize) {
  WritePlan(m_year, {});
  Open();
  const SIZE before = ClientSize();
  ExpectControlsPlacedFor(before);
  ::ShowWindow(Hwnd(), SW_MAXIMIZE);
  Settle();
  const SIZE after = ClientSize();
  ASSERT_GT(after.cx, before.cx);
  ASSERT_GT(after.cy, before.cy);
  ExpectControlsPlacedFor(after);
  ::ShowWindow(Hwnd(), SW_RESTORE);
  Settle();
  ExpectControlsPlacedFor(before);
}

// Moved to a monitor of another scale, the window takes the size Windows suggests, lays its controls out for
// that DPI (whose rules reading_page_test.cpp pins) and loads its icons at the size the DPI asks for.
TEST_F(ReadingLayoutTest, AChangeOfDpiLaysTheWindowOutForTheNewScale) {
  WritePlan(m_year, {});
  Open();
  RECT before;
  ::GetWindowRect(Hwnd(), &before);
  for (int dpi : {144, 192, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested{before.left, before.top, before.left + ScaleToDpi(600, dpi), before.top + ScaleToDpi(450, dpi)};
    ::SendMessageW(Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Settle();
    RECT window;
    ::GetWindowRect(Hwnd(), &window);
    EXPECT_EQ(window.right - window.left, suggested.right - suggested.left);
    ExpectControlsPlacedFor(ClientSize(), dpi);
    // The next-day button shows an icon as wide as the DPI asks for: ink spans more than the 32 pixels of 100 %.
    CScreenshot shot(Hwnd());
    const RECT next = ItemRect(IDC_NEXT_DAY);
    int left = next.right, right = next.left;
    for (int y = next.top; y < next.bottom; ++y)
      for (int x = next.left; x < next.right; ++x)
        if (shot.Pixel(x, y) != ::GetSysColor(COLOR_BTNFACE)) left = std::min(left, static_cast<int>(x)), right = std::max(right, static_cast<int>(x));
    EXPECT_GT(right - left + 1, IconSizeForDpi(32, dpi) * 3 / 4);
    EXPECT_LE(right - left + 1, IconSizeForDpi(32, dpi));
  }
}
