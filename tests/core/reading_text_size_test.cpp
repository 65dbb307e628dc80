// The page's text size: its steps by key and wheel, and what a size changes in the page's estimate and layout.
// At the window's own font nothing changes.
#include <gtest/gtest.h>

#include "reading/PageTextFit.h"
#include "reading/TextSizeInput.h"

namespace {

// 굴림체 as the page measures it at 96 DPI: 9 pt (the window's font), 14 pt and 24 pt.
constexpr PageTextMetrics kNine{12, 6, 36}, kFourteen{19, 9, 57}, kTwentyFour{32, 16, 96};

TEST(TextSizeTest, CtrlKeysAndWheelNotchesStepThroughTheSizes) {
  const struct {
    int size, key, expected;
  } keys[] = {{9, kKeyEqualsPlus, 10},  {12, kKeyPadPlus, 14}, {24, kKeyEqualsPlus, 24},
              {13, kKeyEqualsPlus, 14}, {14, kKeyMinus, 12},   {9, kKeyPadMinus, 9},
              {20, kKeyZero, 9},        {24, kKeyPadZero, 9},  {14, 'A', 14}};
  for (const auto& row : keys) EXPECT_EQ(TextSizeAfterKey(row.size, TextSizeKeyOf(row.key)), row.expected) << row.key;
  const struct {
    int carry, delta, notches, carryAfter;
  } turns[] = {{0, 120, 1, 0}, {0, -360, -3, 0}, {0, 60, 0, 60}, {60, 60, 1, 0}, {90, -60, 0, -60}, {100, 40, 1, 20}};
  for (const auto& row : turns) {
    int carry = row.carry;
    EXPECT_EQ(TakeWheelNotches(carry, row.delta), row.notches) << row.carry << " + " << row.delta;
    EXPECT_EQ(carry, row.carryAfter) << row.carry << " + " << row.delta;
  }
}

TEST(PageTextFitTest, TheEstimateAndThePageStepsScaleWithTheText) {
  const struct {
    PageTextMetrics base, font;
    int lineChars, pageLines;
  } measures[] = {{kNine, kNine, LINE_CHARS, PAGE_LINES}, {kNine, kFourteen, 49, 9},       {kNine, kTwentyFour, 27, 5},
                  {{18, 9, 54}, {48, 24, 144}, 27, 5},  // 24 pt at 144 DPI
                  {kNine, {200, 100, 600}, 4, 1},         {{}, {}, LINE_CHARS, PAGE_LINES}};
  for (const auto& row : measures) {
    EXPECT_EQ(MeasureFor(row.base, row.font).lineChars, row.lineChars) << row.font.lineHeight;
    EXPECT_EQ(MeasureFor(row.base, row.font).pageLines, row.pageLines) << row.font.lineHeight;
  }
  // 100 columns a verse: two lines at 74 a line, four at 27; 1200 columns: more than a page at any size, where
  // the window's font keeps the verse first and a larger text goes on, but not past the last verse.
  const struct {
    int columns;
    PageMeasure measure;
    int code, from, expected;
  } steps[] = {{100, {}, kScrollPageDown, 0, 7},        {100, {}, kScrollPageUp, 20, 12},
               {100, {27, 5}, kScrollPageDown, 0, 1},   {100, {27, 5}, kScrollPageUp, 20, 18},
               {1200, {}, kScrollPageDown, 4, 4},       {1200, {27, 5}, kScrollPageDown, 4, 5},
               {1200, {27, 5}, kScrollPageDown, 29, 29}};
  for (const auto& row : steps) {
    std::vector<VerseEntry> verses(30);
    for (VerseEntry& verse : verses) verse.nColumns = row.columns, verse.nLines = row.columns / LINE_CHARS + 1;
    int first = row.from;
    EXPECT_TRUE(ScrollVerses(row.code, 0, verses, 30, first, row.measure));
    EXPECT_EQ(first, row.expected) << row.columns << " columns, " << row.measure.lineChars << " a line, from "
                                   << row.from;
  }
}

}  // namespace
