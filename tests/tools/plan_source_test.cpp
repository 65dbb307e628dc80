// Faults of a plan source: each one stops the parse at its own line with a readable reason.
#include <gtest/gtest.h>

#include <sstream>

#include "PlanSource.h"
#include "SourceError.h"

namespace {

struct BadSource {
  const char* name;
  std::string text;
  int line;
  const char* reason;
};

const std::string kHead = "@year {year}년\n@month 1 1월\n";

class PlanSourceFault : public ::testing::TestWithParam<BadSource> {};

TEST_P(PlanSourceFault, StopsAtItsLineWithTheReason) {
  const BadSource& bad = GetParam();
  std::istringstream in(bad.text);
  try {
    ParsePlanSource(in, "plan.txt");
    FAIL() << "accepted: " << bad.text;
  } catch (const SourceError& e) {
    EXPECT_EQ(e.Line(), bad.line);
    const std::string message = e.what();
    EXPECT_EQ(message.rfind("plan.txt:" + std::to_string(bad.line) + ": ", 0), 0u) << message;
    EXPECT_NE(message.find(bad.reason), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PlanSourceFault,
    ::testing::Values(
        BadSource{"UnknownMonth", "@year y\n@month 13 열셋\n", 2, "unknown month 13"},
        BadSource{"MonthZero", "@year y\n@month 0 영\n", 2, "unknown month 0"},
        BadSource{"MonthNotNumber", "@year y\n@month one 일\n", 2, "month number"},
        BadSource{"MonthTwice", kHead + "@day 1 r\n1 v\n@month 1 again\n", 5, "appears twice (first at line 2)"},
        BadSource{"MonthWithoutTitle", "@year y\n@month 3\n", 2, "has no title"},
        BadSource{"Day32", kHead + "@day 32 r\n", 3, "day 32 does not exist"},
        BadSource{"DayZero", kHead + "@day 0 r\n", 3, "day 0 does not exist"},
        BadSource{"Day31OfApril", "@year y\n@month 4 사월\n@day 31 r\n", 3, "day 31 is not in month 4"},
        BadSource{"Day30OfFebruary", "@year y\n@month 2 이월\n@day 30 r\n", 3, "day 30 is not in month 2"},
        BadSource{"DuplicateDay", kHead + "@day 5 r\n1 v\n\n@day 5 r\n1 v\n", 6,
                  "day 1/5 appears twice (first at line 3)"},
        BadSource{"DayBeforeMonth", "@year y\n@day 1 r\n", 2, "@day before any @month"},
        BadSource{"DayWithoutRange", kHead + "@day 2\n", 3, "has no range text"},
        BadSource{"DayWithoutVerses", kHead + "@day 2 r\n@day 3 r\n1 v\n", 3, "day 1/2 has no verses"},
        BadSource{"VerseWithoutDay", kHead + "1 떠도는 구절\n", 3, "verse line before any @day"},
        BadSource{"VerseAfterNewMonth", kHead + "@day 1 r\n1 v\n@month 2 이월\n2 v\n", 6, "before any @day"},
        BadSource{"VerseWithoutText", kHead + "@day 1 r\n1\n", 4, "verse 1 has no text"},
        BadSource{"VerseNumberTooLong", kHead + "@day 1 r\n12345678 v\n", 4, "longer than 7"},
        BadSource{"VerseNumberLettersFirst", kHead + "@day 1 r\n1a2 v\n", 4, "bad verse number"},
        BadSource{"LineOfText", kHead + "@day 1 r\n절 번호 없는 줄\n", 4, "expected"},
        BadSource{"ContinuationAfterDay", kHead + "@day 1 r\n  이어지는 줄\n", 4, "without a verse"},
        BadSource{"UnknownDirective", kHead + "@week 1\n", 3, "unknown directive @week"},
        BadSource{"SecondYear", kHead + "@year again\n", 3, "second @year"},
        BadSource{"NoYear", "@month 1 일\n@day 1 r\n1 v\n", 3, "no @year"},
        BadSource{"NoDays", kHead + "# nothing\n", 3, "no @day"},
        BadSource{"StrayContinuationByte", kHead + "@day 1 r\n1 a\x80z\n", 4, "bad UTF-8 encoding"},
        BadSource{"CutShortCharacter", kHead + "@day 1 r\n1 \xEA\xB0\n", 4, "cut short"},
        BadSource{"OverlongSlash", kHead + "@day 1 r\n1 \xC0\xAF\n", 4, "bad UTF-8"},
        BadSource{"Surrogate", kHead + "@day 1 r\n1 \xED\xA0\x80\n", 4, "not a character"},
        BadSource{"ControlCharacter", kHead + "@day 1 r\n1 a\x01z\n", 4, "control character U+0001"},
        BadSource{"NulByte", kHead + "@day 1 r\n1 a" + std::string(1, '\0') + "z\n", 4, "control character U+0000"}),
    [](const ::testing::TestParamInfo<BadSource>& info) { return std::string(info.param.name); });

TEST(PlanSource, ReadsVersesContinuationsAndComments) {
  std::istringstream in(
      "\xEF\xBB\xBF# 주석\r\n"
      "@year   {year}년 계획 {year}  \r\n"
      "@month 3 3월 봄\r\n"
      "@day 2 시편 1:1-3\r\n"
      "007 첫 구절\r\n"
      "  # 사이의 주석\r\n"
      "\r\n"
      "\t이어지는   말씀\r\n"
      "12a & 기호\r\n"
      "@day 1 시편 2:1\r\n"
      "1 하나\r\n");
  const PlanSource plan = ParsePlanSource(in, "p.txt");
  EXPECT_EQ(YearTitleFor(plan, 2026), "2026년 계획 2026");
  ASSERT_EQ(plan.months.size(), 1u);
  EXPECT_EQ(plan.months[0].title, "3월 봄");
  ASSERT_EQ(plan.days.size(), 2u);
  const PlanDay& day = plan.days[0];
  EXPECT_EQ(day.range, "시편 1:1-3");
  ASSERT_EQ(day.verses.size(), 2u);
  EXPECT_EQ(day.verses[0].number, "007");
  EXPECT_EQ(day.verses[0].text, "첫 구절 이어지는   말씀");
  EXPECT_EQ(day.verses[1].number, "12a");
  EXPECT_EQ(day.verses[1].text, "& 기호");
  EXPECT_EQ(plan.days[1].day, 1);
}

// The program shows any character, so the source keeps those that code page 949 lacks.
TEST(PlanSource, KeepsCharactersOutsideCodePage949) {
  const std::string emoji = "\U0001F64F", oldHangul = "\u1112\u119E\u11AB", hanja = "\u3400", thai = "\u0E01";
  std::istringstream in("@year " + emoji + " {year}\n@month 1 " + thai + "\n@day 1 " + hanja + " 1:1\n1 " + oldHangul +
                        " Ærøskøbing\n  Москва " + emoji + "\n");
  const PlanSource plan = ParsePlanSource(in, "p.txt");
  EXPECT_EQ(YearTitleFor(plan, 2026), emoji + " 2026");
  ASSERT_EQ(plan.months.size(), 1u);
  EXPECT_EQ(plan.months[0].title, thai);
  ASSERT_EQ(plan.days.size(), 1u);
  EXPECT_EQ(plan.days[0].range, hanja + " 1:1");
  ASSERT_EQ(plan.days[0].verses.size(), 1u);
  EXPECT_EQ(plan.days[0].verses[0].text, oldHangul + " Ærøskøbing Москва " + emoji);
}

TEST(PlanSource, LeapDayExistsOnlyInLeapYears) {
  std::istringstream in("@year y\n@month 2 이월\n@day 28 r\n1 a\n@day 29 r\n1 b\n");
  const PlanSource plan = ParsePlanSource(in, "p.txt");
  EXPECT_EQ(DaysOfYear(plan, 2026).size(), 1u);
  EXPECT_EQ(DaysOfYear(plan, 2028).size(), 2u);
  EXPECT_EQ(DaysOfYear(plan, 2000).size(), 2u);
  EXPECT_EQ(DaysOfYear(plan, 2100).size(), 1u);
}

}  // namespace
