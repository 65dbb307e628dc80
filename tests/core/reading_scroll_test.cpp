#include <gtest/gtest.h>

#include <vector>

#include "reading/VerseScroll.h"

namespace {

std::vector<VerseEntry> VersesOfLines(std::vector<int> lines) {
  std::vector<VerseEntry> verses(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) verses[i].nLines = lines[i];
  return verses;
}

std::vector<VerseEntry> UniformVerses(int count, int lines) { return VersesOfLines(std::vector<int>(count, lines)); }

}  // namespace

TEST(VerseScroll, PageStepsOverThreeLineVersesGoByTheLineSum) {
  const auto verses = UniformVerses(20, 3);
  int first = 0;
  EXPECT_TRUE(ScrollVerses(kScrollPageDown, 0, verses, 20, first));
  EXPECT_EQ(5, first);  // the sixth verse brings the sum to 18
  EXPECT_TRUE(ScrollVerses(kScrollPageDown, 0, verses, 20, first));
  EXPECT_EQ(10, first);
  EXPECT_TRUE(ScrollVerses(kScrollPageUp, 0, verses, 20, first));
  EXPECT_EQ(4, first);  // verses 9 down to 4 sum to 18
}

TEST(VerseScroll, PageStepsOverOneLineVersesMoveFifteenDownAndSixteenUp) {
  const auto verses = UniformVerses(60, 1);
  int first = 20;
  ScrollVerses(kScrollPageDown, 0, verses, 60, first);
  EXPECT_EQ(35, first);
  ScrollVerses(kScrollPageUp, 0, verses, 60, first);
  EXPECT_EQ(19, first);
}

TEST(VerseScroll, PageStepsStopAtBothEndsOfThePassage) {
  const auto verses = UniformVerses(8, 1);
  int first = 7;
  EXPECT_TRUE(ScrollVerses(kScrollPageDown, 0, verses, 8, first));
  EXPECT_EQ(7, first);  // the last verse stays first
  first = 3;
  EXPECT_TRUE(ScrollVerses(kScrollPageDown, 0, verses, 8, first));
  EXPECT_EQ(7, first);  // the end comes before a page is full
  EXPECT_TRUE(ScrollVerses(kScrollPageUp, 0, verses, 8, first));
  EXPECT_EQ(0, first);
  EXPECT_TRUE(ScrollVerses(kScrollPageUp, 0, verses, 8, first));
  EXPECT_EQ(0, first);
}

TEST(VerseScroll, ALongVerseIsAPageByItself) {
  const auto verses = VersesOfLines({2, 20, 1, 1});
  int first = 0;
  ScrollVerses(kScrollPageDown, 0, verses, 4, first);
  EXPECT_EQ(1, first);
  ScrollVerses(kScrollPageDown, 0, verses, 4, first);
  EXPECT_EQ(1, first);  // verse 1 alone passes a page, so it stays first
  first = 3;
  ScrollVerses(kScrollPageUp, 0, verses, 4, first);
  EXPECT_EQ(1, first);
}

TEST(VerseScroll, LineStepsDoNothingAtTheEnds) {
  const auto verses = UniformVerses(3, 1);
  int first = 0;
  EXPECT_FALSE(ScrollVerses(kScrollLineUp, 0, verses, 3, first));
  EXPECT_EQ(0, first);
  EXPECT_TRUE(ScrollVerses(kScrollLineDown, 0, verses, 3, first));
  EXPECT_TRUE(ScrollVerses(kScrollLineDown, 0, verses, 3, first));
  EXPECT_EQ(2, first);
  EXPECT_FALSE(ScrollVerses(kScrollLineDown, 0, verses, 3, first));
  EXPECT_EQ(2, first);
  EXPECT_TRUE(ScrollVerses(kScrollLineUp, 0, verses, 3, first));
  EXPECT_EQ(1, first);
}

TEST(VerseScroll, OnlyTheVersesInUseCount) {
  // The table may hold entries of an earlier, longer day beyond the count.
  const auto verses = UniformVerses(10, 1);
  int first = 0;
  ScrollVerses(kScrollPageDown, 0, verses, 4, first);
  EXPECT_EQ(3, first);
  EXPECT_FALSE(ScrollVerses(kScrollLineDown, 0, verses, 4, first));
}

TEST(VerseScroll, ThumbPositionIsTakenAndKeptOnThePassage) {
  const auto verses = UniformVerses(10, 1);
  int first = 0;
  EXPECT_TRUE(ScrollVerses(kScrollThumbPosition, 6, verses, 10, first));
  EXPECT_EQ(6, first);
  ScrollVerses(kScrollThumbPosition, 40, verses, 10, first);
  EXPECT_EQ(9, first);
  ScrollVerses(kScrollThumbPosition, -3, verses, 10, first);
  EXPECT_EQ(0, first);
}

TEST(VerseScroll, TrackingAndOtherCodesChangeNothing) {
  const auto verses = UniformVerses(10, 1);
  int first = 4;
  for (int code : {5, 6, 7, 8}) {  // thumb track, top, bottom, end scroll
    EXPECT_FALSE(ScrollVerses(code, 9, verses, 10, first));
    EXPECT_EQ(4, first);
  }
}

TEST(VerseScroll, AnEmptyPassageStaysOnItsFirstVerse) {
  const std::vector<VerseEntry> none;
  int first = 0;
  EXPECT_FALSE(ScrollVerses(kScrollLineDown, 0, none, 0, first));
  ScrollVerses(kScrollPageDown, 0, none, 0, first);
  EXPECT_EQ(0, first);
  ScrollVerses(kScrollPageUp, 0, none, 0, first);
  EXPECT_EQ(0, first);
}
