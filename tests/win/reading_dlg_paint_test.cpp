// What a person sees of the reading window: screenshots of the real window, checked pixel by pixel and
// left in the build folder as reading-*.bmp.
#include "ReadingDlgFixture.h"
#include "ui/SystemCalls.h"
#include "ui/WideText.h"
#include "Screenshot.h"

#include <memory>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkGrey = RGB(64, 64, 64);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A button's face with the icon drawn where the button puts it: centred, so a 32-pixel icon in a 30-pixel
// high button starts one pixel above the top.
std::unique_ptr<CPixelSurface> IconImage(int iconId, const RECT& button) {
  const int w = button.right - button.left, h = button.bottom - button.top;
  auto image = std::make_unique<CPixelSurface>(w, h, ::GetSysColor(COLOR_BTNFACE));
  CIconHandle icon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
  ::DrawIconEx(image->Dc(), (w - 32) / 2, (h - 32) / 2, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL);
  return image;
}

// The share of the button's pixels in the screenshot that equal the image.
double SharedPixels(const CScreenshot& shot, const RECT& button, const std::unique_ptr<CPixelSurface>& image) {
  int same = 0, all = 0;
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x, ++all)
      same += shot.Pixel(button.left + x, button.top + y) == image->Pixel(x, y) ? 1 : 0;
  return static_cast<double>(same) / all;
}

class ReadingPaintTest : public ReadingDlgTest {
 protected:
  void OpenOnKoreanDay(int verses) {
    std::vector<std::string> bodies;
    for (int i = 0; i < verses; ++i)
      bodies.push_back(
          u8"태초에 하나님이 천지를 창조하시니라. 땅이 혼돈하고 공허하며 흑암이 깊음 위에 있고 "
          u8"하나님의 영은 수면 위에 운행하시니라.");
    WritePlan(m_year, {{3, 7, u8"창세기 1:1-5", bodies}});
    Open();
    PickDate(m_year, 3, 7);
  }
};

}  // namespace

TEST_F(ReadingPaintTest, PageShowsTheDateColumnHeaderFrameAndVerses) {
  OpenOnKoreanDay(30);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-page.bmp");
  const int w = shot.Width(), h = shot.Height();

  EXPECT_EQ(kGrey, shot.Pixel(20, h - 60));         // date column, below any number
  EXPECT_EQ(kWhite, shot.Pixel(w - 40, 30));        // header band
  EXPECT_EQ(kWhite, shot.Pixel(w - 35, h - 60));    // body, at its right edge
  EXPECT_EQ(kDarkGrey, shot.Pixel(14, 100));        // frame, left
  EXPECT_EQ(kDarkGrey, shot.Pixel(w / 2, 14));      // frame, top
  EXPECT_EQ(kDarkGrey, shot.Pixel(w - 15, 100));    // frame, right
  EXPECT_EQ(kDarkGrey, shot.Pixel(w / 2, h - 55));  // frame, bottom
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.Pixel(5, h - 5));
  // The header rule runs along y = 75 from the date column to the page's right edge.
  EXPECT_EQ(w - 15 - 75, shot.Count(RECT{75, 75, w - 15, 76}, kBlack));

  // Texts: white numbers in the date column, dark blue titles and black verses on white.
  EXPECT_GT(shot.Count(RECT{15, 20, 66, 75}, kWhite), 20);
  EXPECT_GT(shot.Count(RECT{80, 20, w - 15, 55}, RGB(0, 0, 127)), 20);
  EXPECT_GT(shot.CountInk(RECT{80, 80, w - 31, h - 55}), 200);
  EXPECT_GT(shot.Count(RECT{15, 80, 66, h - 55}, kWhite), 20);  // verse numbers
}

TEST_F(ReadingPaintTest, ScrollingRepaintsTheBodyFromTheNewFirstVerse) {
  WritePlan(m_year, {{3, 7, "r", Verses(40, 30, "")}});
  Open();
  PickDate(m_year, 3, 7);
  CScreenshot top(Hwnd());
  ::SendMessageW(Hwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 38),
                 reinterpret_cast<LPARAM>(Item(IDC_READING_SCROLL)));
  Settle();
  CScreenshot end(Hwnd());
  end.SaveBmp(ProgramFolder() + "reading-scrolled.bmp");
  // Two verses are left: the lower body is white where the first page had text.
  const RECT lower{80, 160, end.Width() - 31, end.Height() - 55};
  EXPECT_GT(top.CountInk(lower), 100);
  EXPECT_EQ(0, end.CountInk(lower));
  EXPECT_GT(end.CountInk(RECT{80, 80, end.Width() - 31, 120}), 20);
}

TEST_F(ReadingPaintTest, ADayWithoutPassageShowsTheNoticeAndNoVerseNumber) {
  WritePlan(m_year, {{3, 7, "r", {"x"}}});
  Open();
  PickDate(m_year, 3, 8);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-no-passage.bmp");
  EXPECT_GT(shot.CountInk(RECT{80, 80, shot.Width() - 31, 100}), 20);
  EXPECT_EQ(0, shot.Count(RECT{15, 76, 75, shot.Height() - 55}, kGrey, false));
  EXPECT_EQ(0, shot.CountInk(RECT{80, 60, shot.Width() - 31, 74}));  // empty range line
}

TEST_F(ReadingPaintTest, HoveredButtonShowsItsHoverIcon) {
  WritePlan(m_year, {});
  Open();
  const HWND next = Item(IDC_NEXT_DAY);
  const RECT place = ItemRect(IDC_NEXT_DAY);
  CScreenshot idle(Hwnd());
  ::SendMessageW(next, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  Settle();
  ASSERT_EQ(next, ::GetCapture());  // the button follows the mouse while it hovers
  CScreenshot hovered(Hwnd());
  hovered.SaveBmp(ProgramFolder() + "reading-hover.bmp");
  ::ReleaseCapture();

  EXPECT_GT(SharedPixels(hovered, place, IconImage(IDI_NEXT_HOVER, place)), 0.97);
  EXPECT_LT(SharedPixels(hovered, place, IconImage(IDI_NEXT_NORMAL, place)), 0.9);
  EXPECT_GT(SharedPixels(idle, place, IconImage(IDI_NEXT_NORMAL, place)), 0.97);
}

// Wrapped lines of a Korean verse stay apart: each line's ink is its own run of rows, with at least one row
// without ink before the next line. A page font whose glyphs fill the whole line height would merge them.
TEST_F(ReadingPaintTest, WrappedLinesOfAVerseLeaveARowWithoutInkBetweenThem) {
  // Every word has a syllable that reaches high (훌, 출) and one that reaches low (게, 가, 길), so every line does.
  std::string verse;
  for (int i = 0; i < 12; ++i) verse += u8"훌륭하게 가꾼 출구의 길가에 ";
  WritePlan(m_year, {{3, 7, u8"창세기 1:1-4", {verse}}});
  Open();
  PickDate(m_year, 3, 7);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-wrapped.bmp");
  CWindowDC dc(Hwnd());
  CSelectGuard font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc.Get(), &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;

  const int top = 80;
  int runs = 0, lastInkRow = top - 2;
  for (int y = top; y < shot.Height() - 55; ++y) {
    if (shot.Count(RECT{80, y, shot.Width() - 31, y + 1}, kWhite, false) == 0) continue;  // any shade is ink
    if (y != lastInkRow + 1) ++runs;
    lastInkRow = y;
  }
  const int lines = (lastInkRow - top) / lineHeight + 1;
  ASSERT_GE(lines, 3) << "the verse should wrap";
  EXPECT_EQ(lines, runs);
}

// Verse text is plain text: "믿음 & 소망 & 사랑" shows both ampersands, drawn exactly as DrawText draws the
// text without prefix processing, and not as with it (where "& " underlines the blank and "&" vanishes).
TEST_F(ReadingPaintTest, AnAmpersandInAVerseIsDrawn) {
  WritePlan(m_year, {{3, 7, "r", {u8"믿음 & 소망 & 사랑"}}});
  Open();
  PickDate(m_year, 3, 7);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-ampersand.bmp");
  const std::string body = Shown().verses.at(0).strBody;  // UTF-8, drawn in UTF-16
  const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
  const RECT text{80, 80, shot.Width() - 31, shot.Height() - 55};
  auto reference = [&](UINT prefix) {
    auto image = std::make_unique<CPixelSurface>(shot.Width(), shot.Height(), kWhite);
    CSelectGuard select(image->Dc(), font);
    ::SetTextColor(image->Dc(), kBlack);
    ::SetBkColor(image->Dc(), kWhite);
    RECT r = text;
    const std::wstring wide = Widen(body);
    ::DrawTextW(image->Dc(), wide.c_str(), static_cast<int>(wide.size()), &r,
                DT_WORDBREAK | DT_EXTERNALLEADING | prefix);
    return image;
  };
  const auto plain = reference(DT_NOPREFIX), prefixed = reference(0);
  const RECT firstLine{80, 80, shot.Width() - 31, 100};
  int differsFromPlain = 0, plainFromPrefixed = 0;
  for (int y = firstLine.top; y < firstLine.bottom; ++y)
    for (int x = firstLine.left; x < firstLine.right; ++x) {
      differsFromPlain += shot.Pixel(x, y) != plain->Pixel(x, y) ? 1 : 0;
      plainFromPrefixed += plain->Pixel(x, y) != prefixed->Pixel(x, y) ? 1 : 0;
    }
  ASSERT_GT(plainFromPrefixed, 10) << "the two ways of drawing should differ";
  EXPECT_EQ(0, differsFromPlain);
}

// Under a high-contrast theme (played: Wine has none) the page and the icons take the user's colours as soon
// as the system says they changed, and go back when the theme is off.
TEST_F(ReadingPaintTest, AHighContrastThemeGivesThePageAndTheIconsTheUsersColours) {
  OpenOnKoreanDay(3);
  const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_BTNFACE, COLOR_BTNTEXT};
  COLORREF saved[5];
  for (int i = 0; i < 5; ++i) saved[i] = ::GetSysColor(elements[i]);
  const COLORREF night[5] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 0), RGB(0, 0, 0), RGB(0, 255, 0)};
  const auto played = TheSystemCalls().highContrastOn;
  const auto setTheme = [&](bool on, const COLORREF* colours) {
    TheSystemCalls().highContrastOn = on ? +[] { return true; } : played;
    ::SetSysColors(5, elements, colours);
    ::SendMessageW(Hwnd(), WM_SYSCOLORCHANGE, 0, 0);
    Settle();
  };
  setTheme(true, night);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-high-contrast.bmp");
  const int w = shot.Width(), h = shot.Height();
  EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(20, h - 60)) << "the date column takes the window colour";
  EXPECT_EQ(RGB(0, 0, 0), shot.Pixel(w - 40, 30)) << "and the header";
  EXPECT_GT(shot.Count(ItemRect(IDC_NEXT_DAY), RGB(0, 255, 0)), 50) << "the icons are shapes in the text colour";
  setTheme(false, saved);
  CScreenshot after(Hwnd());
  EXPECT_EQ(kGrey, after.Pixel(20, after.Height() - 60));
  EXPECT_EQ(0, after.Count(ItemRect(IDC_NEXT_DAY), RGB(0, 255, 0)));
}
