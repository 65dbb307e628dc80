// The page's text size: its steps, the keys and the wheel, and what a size changes in the page's estimate
// and layout. At the window's own font nothing changes.
#include <gtest/gtest.h>

#include "habit/TextSize.h"
#include "reading/PageTextFit.h"
#include "reading/TextSizeInput.h"
#include "reading/VerseScroll.h"

namespace {

// 굴림체 as the page measures it at 96 DPI: 9 pt (the window's font), 14 pt and 24 pt.
constexpr PageTextMetrics kNinePoints{12, 6, 36}, kFourteenPoints{19, 9, 57}, kTwentyFourPoints{32, 16, 96};

TEST(TextSizeTest, StepsGoThroughTheSizesAndStopAtTheEnds) {
  const struct {
    int size, steps, expected;
  } rows[] = {
      {9, 1, 10},   {12, 1, 14},   {14, -1, 12},   {22, 1, 24}, {24, 1, 24},  {9, -1, 9},
      {9, 3, 12},   {9, 1000, 24}, {24, -1000, 9}, {13, 1, 14}, {13, -1, 11},  // 13 counts as 12
      {30, -1, 22},                                                            // out of range: the largest first
  };
  for (const auto& row : rows)
    EXPECT_EQ(StepTextSize(row.size, row.steps), row.expected) << row.size << " by " << row.steps;
  const struct {
    int points, expected;
  } snaps[] = {{9, 9}, {13, 12}, {15, 14}, {23, 22}, {24, 24}, {8, 9}, {0, 9}, {99, 24}};
  for (const auto& snap : snaps) EXPECT_EQ(SnapTextSize(snap.points), snap.expected) << snap.points;
}

TEST(TextSizeTest, CtrlKeysStepResetOrLeaveTheSize) {
  const struct {
    int key;
    int size, expected;
  } rows[] = {
      {kKeyEqualsPlus, 9, 10}, {kKeyPadPlus, 12, 14}, {kKeyMinus, 14, 12}, {kKeyPadMinus, 9, 9},
      {kKeyZero, 20, 9},       {kKeyPadZero, 24, 9},  {'A', 14, 14},       {0x26 /* up arrow */, 14, 14},
  };
  for (const auto& row : rows)
    EXPECT_EQ(TextSizeAfterKey(row.size, TextSizeKeyOf(row.key)), row.expected) << "key " << row.key;
  EXPECT_EQ(TextSizeKeyOf('A'), TextSizeKey::kNone);
}

TEST(TextSizeTest, TheWheelStepsByWholeNotchesAndKeepsTheRest) {
  const struct {
    const char* turn;
    int carry, delta;
    int notches, carryAfter;
  } rows[] = {
      {"a notch away", 0, 120, 1, 0},
      {"a notch towards", 0, -120, -1, 0},
      {"half a notch waits", 0, 60, 0, 60},
      {"the second half makes a notch", 60, 60, 1, 0},
      {"three notches at once", 0, 360, 3, 0},
      {"a turn back starts afresh", 90, -60, 0, -60},
      {"a fine wheel's steps add up", 100, 40, 1, 20},
  };
  for (const auto& row : rows) {
    int carry = row.carry;
    EXPECT_EQ(TakeWheelNotches(carry, row.delta), row.notches) << row.turn;
    EXPECT_EQ(carry, row.carryAfter) << row.turn;
  }
}

TEST(PageTextFitTest, TheEstimateScalesWithTheTextAndStaysAtTheWindowsFont) {
  const struct {
    const char* font;
    PageTextMetrics base, font_;
    int lineChars, pageLines;
  } rows[] = {
      {"the window's font", kNinePoints, kNinePoints, LINE_CHARS, PAGE_LINES},
      {"14 pt", kNinePoints, kFourteenPoints, 49, 9},
      {"24 pt", kNinePoints, kTwentyFourPoints, 27, 5},
      {"the window's font at 144 DPI", {18, 9, 54}, {18, 9, 54}, LINE_CHARS, PAGE_LINES},
      {"24 pt at 144 DPI", {18, 9, 54}, {48, 24, 144}, 27, 5},
      {"a font too large for one line a page", kNinePoints, {200, 100, 600}, 4, 1},
      {"unmeasured", {}, {}, LINE_CHARS, PAGE_LINES},
  };
  for (const auto& row : rows) {
    const PageMeasure measure = MeasureFor(row.base, row.font_);
    EXPECT_EQ(measure.lineChars, row.lineChars) << row.font;
    EXPECT_EQ(measure.pageLines, row.pageLines) << row.font;
  }
}

TEST(PageTextFitTest, PageStepsFollowTheMeasure) {
  const auto verses = [](int columns) {
    std::vector<VerseEntry> verses(30);
    for (VerseEntry& verse : verses) verse.nColumns = columns, verse.nLines = columns / LINE_CHARS + 1;
    return verses;
  };
  const struct {
    int columns;
    PageMeasure measure;
    int code, from, expected;
  } rows[] = {
      // 100 columns: two lines at 74 a line, three at 49, four at 27.
      {100, PageMeasure(), kScrollPageDown, 0, 7},  // 16 lines: eight verses, the eighth stays in sight
      {100, PageMeasure(), kScrollPageUp, 20, 12},
      {100, {49, 9}, kScrollPageDown, 0, 3},
      {100, {27, 5}, kScrollPageDown, 0, 1},
      {100, {27, 5}, kScrollPageUp, 20, 18},
      // 1200 columns: more than a page at any size. At the window's font the verse stays first; in a larger
      // text the step goes on, but not past the last verse.
      {1200, PageMeasure(), kScrollPageDown, 4, 4},
      {1200, {27, 5}, kScrollPageDown, 4, 5},
      {1200, {27, 5}, kScrollPageDown, 29, 29},
      {1200, {27, 5}, kScrollPageUp, 4, 3},
  };
  for (const auto& row : rows) {
    int first = row.from;
    EXPECT_TRUE(ScrollVerses(row.code, 0, verses(row.columns), 30, first, row.measure));
    EXPECT_EQ(first, row.expected) << row.columns << " columns a verse, " << row.measure.lineChars << " a line, "
                                   << row.measure.pageLines << " lines, from " << row.from;
  }
  EXPECT_EQ(EstimatedLinesAt(verses(100)[0], 27), 4);
}

TEST(PageTextFitTest, LargerTextMovesTheHeaderLinesApartAndWidensTheDateColumn) {
  const ReadingLayout base = LayOutReadingWindow(600, 400);
  const PageTextMetrics otherNine{15, 8, 48};  // a window font of other sizes, as a substituted face may have
  const struct {
    const char* font;
    PageTextMetrics windowFont, metrics;
    int headerStep, down, wider;
  } rows[] = {
      {"the window's font", kNinePoints, kNinePoints, 20, 0, 0},
      {"another window font", otherNine, otherNine, 20, 0, 0},
      {"unmeasured", {}, {}, 20, 0, 0},
      {"10 pt", kNinePoints, {13, 7, 42}, 20, 1, 6},
      {"14 pt", kNinePoints, kFourteenPoints, 20, 7, 21},
      {"24 pt", kNinePoints, kTwentyFourPoints, 32, 2 * 12 + 20, 60},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.font);
    ReadingLayout fit = base;
    FitLayoutToText(fit, row.windowFont, row.metrics);
    EXPECT_EQ(fit.headerLines[0], base.headerLines[0]);
    EXPECT_EQ(fit.headerLines[1] - fit.headerLines[0], row.headerStep);
    EXPECT_EQ(fit.headerLines[2] - fit.headerLines[1], row.headerStep);
    EXPECT_GE(fit.rcHeader.bottom, fit.headerLines[2] + row.metrics.lineHeight);
    // Everything under the header goes down with it, the page's bottom stays.
    EXPECT_EQ(fit.rcHeader.bottom - base.rcHeader.bottom, row.down);
    for (const PageRect* rect : {&fit.rcBelowHeader, &fit.rcBodyFull, &fit.rcBody})
      EXPECT_EQ(rect->top, fit.rcHeader.bottom);
    EXPECT_EQ(fit.firstVerseTop - base.firstVerseTop, row.down);
    EXPECT_EQ(fit.scrollBar.y - base.scrollBar.y, row.down);
    EXPECT_EQ(fit.scrollBar.y + fit.scrollBar.height, base.scrollBar.y + base.scrollBar.height);
    EXPECT_EQ(fit.rcBody.bottom, base.rcBody.bottom);
    // The column widens by as much as its dates grew; the texts right of it move along.
    EXPECT_EQ(fit.rcDateColumn.right - base.rcDateColumn.right, row.wider);
    for (const PageRect* rect : {&fit.rcHeader, &fit.rcBodyFull, &fit.rcBody})
      EXPECT_EQ(rect->left, fit.rcDateColumn.right);
    EXPECT_EQ(fit.dateRight - base.dateRight, row.wider);
    EXPECT_EQ(fit.textLeft - base.textLeft, row.wider);
  }
}

}  // namespace
