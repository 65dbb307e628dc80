#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "reading/PageColours.h"
#include "reading/PageFlow.h"
#include "reading/ReadingLayout.h"

namespace {

// Records the verses drawn and gives each the height from a table.
struct FakeVerses {
  explicit FakeVerses(std::vector<int> verseHeights) : heights(std::move(verseHeights)) {}
  std::vector<int> heights;
  std::vector<std::pair<int, int>> drawn;  // index, top
  VerseFlow Flow(int first, int lineHeight, int top, int bottom) {
    return FlowVerses(first, static_cast<int>(heights.size()), lineHeight, top, bottom, [this](int index, int y) {
      drawn.emplace_back(index, y);
      return heights[index];
    });
  }
};

}  // namespace

TEST(ReadingLayout, PageAndControlsFollowTheClientSize) {
  const ReadingLayout l = LayOutReadingWindow(600, 400);
  EXPECT_EQ(15, l.rcText.left);
  EXPECT_EQ(15, l.rcText.top);
  EXPECT_EQ(585, l.rcText.right);
  EXPECT_EQ(345, l.rcText.bottom);
  EXPECT_EQ(75, l.rcDateColumn.right);
  EXPECT_EQ(345, l.rcDateColumn.bottom);
  EXPECT_EQ(75, l.rcHeader.left);
  EXPECT_EQ(75, l.rcHeader.bottom);
  EXPECT_EQ(585, l.rcHeader.right);
  EXPECT_EQ(15, l.rcBelowHeader.left);
  EXPECT_EQ(75, l.rcBelowHeader.top);
  EXPECT_EQ(585, l.rcBodyFull.right);
  EXPECT_EQ(75, l.rcBodyFull.left);
  EXPECT_EQ(569, l.rcBody.right);
  EXPECT_EQ(345, l.rcBody.bottom);

  // The scroll bar fills the strip between the body and the page's right edge.
  EXPECT_EQ(l.rcBody.right, l.scrollBar.x);
  EXPECT_EQ(l.rcText.right, l.scrollBar.x + l.scrollBar.width);
  EXPECT_EQ(76, l.scrollBar.y);
  EXPECT_EQ(270, l.scrollBar.height);
  EXPECT_EQ(360, l.prevDay.x);
  EXPECT_EQ(415, l.nextDay.x);
  EXPECT_EQ(470, l.diary.x);
  EXPECT_EQ(525, l.close.x);
  for (const ControlPlace& b : {l.prevDay, l.nextDay, l.diary, l.close}) {
    EXPECT_EQ(360, b.y);
    EXPECT_EQ(35, b.width);
    EXPECT_EQ(30, b.height);
  }
  EXPECT_EQ(40, l.datePicker.x);
  EXPECT_EQ(363, l.datePicker.y);
  EXPECT_EQ(170, l.datePicker.width);
}

// At 100, 150 and 200 %, from the smallest client area the window allows (its smallest window less a sizing
// frame of 8 pixels at 96 DPI on each side) up: no control covers another or leaves the client area, the
// header's lines are a line of the font apart, the date column holds its widest figure, and the mark button
// keeps its size once there is room for it.
TEST(ReadingLayout, NoTwoControlsOverlapAndTheHeaderFitsItsFontAtEveryDpi) {
  for (int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    // GulimChe 9 pt: 12 pixels a line and "0000년" 36 pixels wide at 96 DPI; a line of 22 at 144 DPI is
    // taller than the header's own step there (30 pixels would be; 22 is not), at 192 DPI 45 is.
    const PageText text{dpi == 192 ? 45 : ScaleToDpi(12, dpi), ScaleToDpi(36, dpi)};
    const int smallest = SmallestReadingWindow(dpi).width - ScaleToDpi(16, dpi);
    for (int width = smallest; width <= 1600; ++width) {
      const int height = SmallestReadingWindow(dpi).height - ScaleToDpi(38, dpi);
      const ReadingLayout l = LayOutReadingWindow(width, height, dpi, text);
      const ControlPlace controls[] = {l.scrollBar, l.prevDay, l.nextDay, l.diary,
                                       l.close,     l.datePicker, l.markRead, l.progress};
      for (size_t i = 0; i < std::size(controls); ++i) {
        const ControlPlace& a = controls[i];
        ASSERT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width <= width && a.y + a.height <= height) << width << " " << i;
        for (size_t j = i + 1; j < std::size(controls); ++j) {
          const ControlPlace& b = controls[j];
          const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                             b.y + b.height <= a.y;
          ASSERT_TRUE(apart) << "width " << width << ": controls " << i << " and " << j;
        }
      }
      ASSERT_GE(l.markRead.width, ScaleToDpi(30, dpi)) << width;
      if (width >= ScaleToDpi(507, dpi)) {
        ASSERT_EQ(l.markRead.x, width - ScaleToDpi(295, dpi));
      }
    }
    const ReadingLayout l = LayOutReadingWindow(800, 600, dpi, text);
    for (int line = 1; line < 3; ++line) EXPECT_GE(l.headerLineTop[line] - l.headerLineTop[line - 1], text.lineHeight);
    EXPECT_GE(l.rcHeader.bottom - l.headerLineTop[2], text.lineHeight);
    EXPECT_GE(l.firstVerseTop, l.rcHeader.bottom);
    EXPECT_GE(l.dateRight - text.yearWidth, l.rcDateColumn.left);
  }
}

// The page keeps its own colours, and under a high-contrast theme takes the user's: the window colour for
// every ground, the window text colour for text, figures and lines, the hot-light colour for the titles.
TEST(PageColours, OwnColoursOrTheUsersUnderHighContrast) {
  const SystemColours night{0x000000, 0xFFFFFF, 0x00FFFF};
  EXPECT_TRUE((PageColoursFor(false, night) ==
               PageColours{0x808080, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x7F0000, 0x404040, 0x000000}));
  EXPECT_TRUE((PageColoursFor(true, night) ==
               PageColours{0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x00FFFF, 0xFFFFFF, 0xFFFFFF}));
}

TEST(PageFlow, VersesAreDrawnWhileALineStillFits) {
  FakeVerses verses({30, 30, 30, 30});
  const VerseFlow flow = verses.Flow(0, 12, 80, 175);
  // 80, 110, 140 start verses; at 170 no line of 12 fits above 175.
  ASSERT_EQ(3u, verses.drawn.size());
  EXPECT_EQ(140, verses.drawn[2].second);
  EXPECT_EQ(3, flow.nextVerse);
  EXPECT_EQ(170, flow.y);
}

TEST(PageFlow, ATallVerseIsTheLastOneDrawn) {
  FakeVerses verses({12, 500, 12});
  const VerseFlow flow = verses.Flow(0, 12, 80, 300);
  EXPECT_EQ(2u, verses.drawn.size());
  EXPECT_EQ(2, flow.nextVerse);
  EXPECT_EQ(592, flow.y);
}

TEST(PageFlow, APageTooLowForOneLineDrawsNothing) {
  FakeVerses verses({12});
  const VerseFlow flow = verses.Flow(0, 12, 80, 91);
  EXPECT_TRUE(verses.drawn.empty());
  EXPECT_EQ(0, flow.nextVerse);
  const ScrollDecision decision = DecideScrolling(0, 1, flow, 91, false);
  EXPECT_TRUE(decision.bEnabled);  // the verse does not fit
}

TEST(PageFlow, DrawingStartsAtTheFirstShownVerse) {
  FakeVerses verses({12, 12, 12, 12});
  verses.Flow(2, 12, 80, 300);
  ASSERT_EQ(2u, verses.drawn.size());
  EXPECT_EQ(2, verses.drawn[0].first);
  EXPECT_EQ(80, verses.drawn[0].second);
}

TEST(ScrollDecision, FromTheFirstVerseScrollingFollowsWhetherThePassageFits) {
  VerseFlow all{4, 200};
  EXPECT_FALSE(DecideScrolling(0, 4, all, 300, true).bEnabled);
  EXPECT_TRUE(DecideScrolling(0, 4, all, 300, true).bApply);
  VerseFlow notAll{3, 290};
  EXPECT_TRUE(DecideScrolling(0, 4, notAll, 300, false).bEnabled);
  // All drawn but the last one reaches the bottom: it was cut, so it does not fit.
  VerseFlow cut{4, 300};
  EXPECT_TRUE(DecideScrolling(0, 4, cut, 300, false).bEnabled);
}

TEST(ScrollDecision, AfterScrollingDownScrollingStaysOnEvenWhenTheRestFits) {
  VerseFlow rest{4, 120};
  ScrollDecision decision = DecideScrolling(2, 4, rest, 300, false);
  EXPECT_TRUE(decision.bEnabled);
  EXPECT_TRUE(decision.bApply);
  decision = DecideScrolling(2, 4, rest, 300, true);
  EXPECT_TRUE(decision.bEnabled);
  EXPECT_FALSE(decision.bApply);
}
