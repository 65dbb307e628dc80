// The reading window's small decisions: the diary button's face, the diary's years, the scroll keys, the
// title and where the diary window opens.
#include <gtest/gtest.h>

#include "reading/ReadingWindowRules.h"

namespace {

TEST(ReadingWindowRules, DiaryFaceFollowsTheOpenDiaryFirstThenTheEntry) {
  const struct {
    bool shown, hasEntry;
    DiaryFace face;
  } rows[] = {{false, false, DiaryFace::kEmpty},
              {false, true, DiaryFace::kWritten},
              {true, false, DiaryFace::kOpen},
              {true, true, DiaryFace::kOpen}};
  for (const auto& row : rows)
    EXPECT_EQ(DiaryButtonFace(row.shown, row.hasEntry), row.face) << row.shown << row.hasEntry;
}

TEST(ReadingWindowRules, DiaryYearsAreTheFoundRangeElseTheShownYear) {
  const YearRange found = DiaryYears({true, 2024, 2028}, 2026);
  EXPECT_EQ(found.nFirstYear, 2024);
  EXPECT_EQ(found.nLastYear, 2028);
  const YearRange alone = DiaryYears({}, 2026);
  EXPECT_TRUE(alone.bKnown);
  EXPECT_EQ(alone.nFirstYear, 2026);
  EXPECT_EQ(alone.nLastYear, 2026);
}

TEST(ReadingWindowRules, ArrowsScrollByALineAndPageKeysByAPage) {
  const struct {
    int key, code;
  } rows[] = {{0x26, kScrollLineUp}, {0x28, kScrollLineDown}, {0x21, kScrollPageUp}, {0x22, kScrollPageDown},
              {0x25, kNoScroll},     {0x27, kNoScroll},       {0x24, kNoScroll},     {0x70, kNoScroll}};
  for (const auto& row : rows) EXPECT_EQ(ScrollCodeForKey(row.key), row.code) << row.key;
}

TEST(ReadingWindowRules, TitleAndDiaryPlace) {
  EXPECT_EQ(ReadingWindowTitle("베스페랄읽기", 2026), "베스페랄읽기 - 2026");
  const WindowPoint place = DiaryWindowPlace({-30, 40});
  EXPECT_EQ(place.x, 70);
  EXPECT_EQ(place.y, 140);
}

}  // namespace
