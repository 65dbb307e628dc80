// Looking up the passage of a date: year check, the day without passage, verse numbers, line estimates,
// reading order and long days.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "ReadingPlanFixture.h"

namespace {

TEST_F(ReadingPlanTest, DayIsReadWithTitlesRangeAndDateKey) {
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  Show(2000, 1, 1);
  EXPECT_EQ(m_day.strYearTitle, "2000년 읽기");
  EXPECT_EQ(m_day.strMonthTitle, "2000 1월 제목");
  EXPECT_EQ(m_day.strRange, "창세기 1:1-2");
  EXPECT_EQ(Bodies(), (std::vector<std::string>{"2000 1월 1일 첫 절", "2000 1월 1일 둘째 절"}));
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(m_day.DateKey(), "20000101");
  EXPECT_TRUE(m_day.bHasPassage);
  EXPECT_TRUE(m_messages.empty());
}

TEST_F(ReadingPlanTest, DayWithoutPassageKeepsThePreviousMonthTitle) {
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  Show(2000, 1, 1);

  Show(2000, 2, 3);  // no DAYRANGE row, and no MONTH row either
  ASSERT_EQ(m_day.VerseCount(), 1);
  EXPECT_EQ(m_day.verses[0].strBody, "");
  EXPECT_STREQ(m_day.verses[0].szVerse, "");
  EXPECT_EQ(m_day.verses[0].nLines, 1);
  EXPECT_EQ(m_day.strRange, "");
  EXPECT_EQ(m_day.strMonthTitle, "2000 1월 제목");
  EXPECT_EQ(m_day.strYearTitle, "2000년 읽기");
  EXPECT_EQ(m_day.DateKey(), "20000203");
  EXPECT_FALSE(m_day.bHasPassage);

  // A day that has a range but whose verses are missing is a day without passage too.
  Show(2000, 1, 2);
  m_dir.WritePlan(2001,
                  "INSERT INTO YEAR VALUES(2001, 'y'); INSERT INTO MONTH VALUES(1, 'm');"
                  "INSERT INTO DAYRANGE VALUES(1, 1, 101, 'r');");
  Show(2001, 1, 1);
  EXPECT_EQ(Bodies(), std::vector<std::string>{""});
  EXPECT_FALSE(m_day.bHasPassage);
}

TEST_F(ReadingPlanTest, VerseNumbersAreReadAsAtoiReadsThem) {
  m_dir.WritePlan(2000,
                  "INSERT INTO YEAR VALUES(2000, 'y'); INSERT INTO MONTH VALUES(3, 'm');"
                  "INSERT INTO DAYRANGE VALUES(3, 1, 301, 'r');"
                  "INSERT INTO DAY VALUES(301, 1, '007', 'a'), (301, 2, ' 12', 'b'), (301, 3, '12a', 'c'),"
                  " (301, 4, 'a1', 'd'), (301, 5, '-3', 'e'), (301, 6, '+8', 'f'), (301, 7, '', 'g'),"
                  " (301, 8, NULL, 'h'), (301, 9, '99999999999', 'i'), (301, 10, '-12345678', 'j'),"
                  " (301, 11, '1234567', 'k'), (301, 12, 42, 'l'), (301, 13, '\t5', 'm');");
  ASSERT_TRUE(Start(2000));
  Show(2000, 3, 1);
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"7", "12", "12", "0", "-3", "8", "0", "0", "9999999", "-999999",
                                                 "1234567", "42", "5"}));
}

// A line holds 74 columns: an ASCII character takes one, any other character two (a Hangul syllable was two
// bytes of code page 949, where the estimate began).
TEST_F(ReadingPlanTest, LinesAreEstimatedFromCharacterWidths) {
  const auto times = [](int n, const std::string& piece) {
    std::string text;
    for (int i = 0; i < n; ++i) text += piece;
    return text;
  };
  const struct {
    std::string body;
    int lines;
  } cases[] = {
      {"", 1},
      {times(73, "x"), 1},
      {times(74, "x"), 2},
      {times(148, "x"), 3},
      {times(50, "말"), 2},                         // 100 columns, 150 bytes
      {times(36, "말") + "x", 1},                   // 73 columns
      {times(37, "\U0001F64F"), 2},                 // an emoji is two columns, though four bytes
      {times(12, "\u1112\u119E\u11AB"), 1},         // old Hangul: three characters of two columns, 72
      {times(12, "\u1112\u119E\u11AB") + "xx", 2},  // 74
      {times(37, "\u3400"), 2},                     // 74
      {times(36, "Ж") + "a", 1},                    // 73
      {"Ærøskøbing " + times(5, "Москва"), 2},      // 14 + 60
  };
  std::string rows;
  for (size_t i = 0; i < std::size(cases); ++i)
    rows += (i ? ", " : "") + std::string("(101, ") + std::to_string(i + 1) + ", '" + std::to_string(i + 1) + "', '" +
            cases[i].body + "')";
  m_dir.WritePlan(2000,
                  "INSERT INTO YEAR VALUES(2000, 'y'); INSERT INTO MONTH VALUES(1, 'm');"
                  "INSERT INTO DAYRANGE VALUES(1, 1, 101, 'r'); INSERT INTO DAY VALUES " +
                      rows + ";");
  ASSERT_TRUE(Start(2000));
  Show(2000, 1, 1);
  ASSERT_EQ(m_day.VerseCount(), static_cast<int>(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(m_day.verses[i].strBody, cases[i].body) << "verse " << i;
    EXPECT_EQ(m_day.verses[i].nLines, cases[i].lines) << "verse " << i;
  }
}

TEST_F(ReadingPlanTest, VersesComeInReadingOrderWhateverTheFileOrder) {
  m_dir.WritePlan(2000,
                  u8"INSERT INTO YEAR VALUES(2000, 'y'); INSERT INTO MONTH VALUES(1, 'm');"
                  u8"INSERT INTO DAYRANGE VALUES(1, 1, 101, 'r'), (1, 2, 7, 'r2');"
                  u8"INSERT INTO DAY VALUES(101, 30, '3', '셋'), (7, 1, '1', '다른 날'), (101, 2, '1', '하나'),"
                  u8" (101, 10, '2', '둘');");
  ASSERT_TRUE(Start(2000));
  Show(2000, 1, 1);
  EXPECT_EQ(Bodies(), (std::vector<std::string>{"하나", "둘", "셋"}));
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(ReadingPlanTest, LongDayKeepsEveryVerse) {
  std::string rows;
  for (int i = 1; i <= 150; ++i)
    rows += (i > 1 ? ", " : "") + std::string("(101, ") + std::to_string(i) + ", '" + std::to_string(i) + "', 'verse " +
            std::to_string(i) + "')";
  m_dir.WritePlan(2000,
                  "INSERT INTO YEAR VALUES(2000, 'y'); INSERT INTO MONTH VALUES(1, 'm');"
                  "INSERT INTO DAYRANGE VALUES(1, 1, 101, 'r'), (1, 2, 102, 'r');"
                  "INSERT INTO DAY VALUES " +
                      rows + ", (102, 1, '1', 'short');");
  ASSERT_TRUE(Start(2000));
  Show(2000, 1, 1);
  ASSERT_EQ(m_day.VerseCount(), 150);
  EXPECT_EQ(m_day.verses[100].strBody, "verse 101");
  EXPECT_EQ(m_day.verses[149].strBody, "verse 150");
  EXPECT_STREQ(m_day.verses[149].szVerse, "150");

  Show(2000, 1, 2);
  EXPECT_EQ(Bodies(), std::vector<std::string>{"short"});
}

}  // namespace
