// Opening the plan file of a year: the range of selectable years, a file that is no database, the change
// of year, a file that appears later.
#include <gtest/gtest.h>

#include "ReadingPlanFixture.h"

namespace {

const char kCannotOpen[] = "베스페랄본문 파일을 열 수 없습니다.";

TEST_F(ReadingPlanTest, YearRangeIsTheUnbrokenRunOfFilesAroundTheYear) {
  for (int year : {1997, 1999, 2000, 2001, 2004}) m_dir.WritePlan(year, SmallYear(year));
  m_dir.WriteJunk("2002.dat");  // only the name counts; the probe opens nothing
  ASSERT_TRUE(Start(2000));
  EXPECT_TRUE(m_plan.m_bPlanOpen);
  EXPECT_EQ(m_plan.m_nFirstYear, 1999);
  EXPECT_EQ(m_plan.m_nLastYear, 2002);
  EXPECT_EQ(m_view.ranges, (std::vector<std::pair<int, int>>{{1999, 2002}}));
  EXPECT_TRUE(m_view.messages.empty());

  // A reopen does not probe again, even when the files changed.
  m_dir.WritePlan(1998, SmallYear(1998));
  m_plan.m_nYear = 2001;
  ASSERT_TRUE(m_plan.OpenPlanFile(false));
  EXPECT_EQ(m_view.ranges.size(), 1u);
  EXPECT_EQ(m_plan.m_nFirstYear, 1999);
}

TEST_F(ReadingPlanTest, AloneYearIsItsOwnRange) {
  m_dir.UseSubDir("베스페랄 읽기");
  m_dir.WritePlan(2026, SmallYear(2026));
  ASSERT_TRUE(Start(2026));
  EXPECT_EQ(m_view.ranges, (std::vector<std::pair<int, int>>{{2026, 2026}}));
  EXPECT_TRUE(Show(2026, 1, 1));
}

TEST_F(ReadingPlanTest, FileThatIsNoDatabaseCannotBeOpened) {
  m_dir.WriteJunk("2000.dat");
  EXPECT_FALSE(Start(2000));
  EXPECT_EQ(m_view.messages, (std::vector<std::string>{kCannotOpen, m_dir.ProgramDir() + "2000.dat"}));
  EXPECT_FALSE(m_plan.m_bPlanOpen);
  EXPECT_FALSE(m_plan.SelectableYears().bKnown);
  EXPECT_TRUE(m_view.ranges.empty());
}

TEST_F(ReadingPlanTest, NewYearOpensTheNextFileAndRetitlesTheWindow) {
  m_dir.WritePlan(2000, SmallYear(2000));
  m_dir.WritePlan(2001, SmallYear(2001));
  ASSERT_TRUE(Start(2000));
  ASSERT_TRUE(Show(2000, 12, 31));
  EXPECT_TRUE(m_view.titles.empty());  // the year's own file was already open
  EXPECT_EQ(Bodies(), std::vector<std::string>{"2000 12월 31일"});

  ASSERT_TRUE(Show(2001, 1, 1));
  EXPECT_EQ(m_view.titles, std::vector<std::string>{"베스페랄읽기 - 2001"});
  EXPECT_EQ(m_plan.m_nFileYear, 2001);
  EXPECT_EQ(m_plan.m_strYearTitle, "2001년 읽기");
  EXPECT_EQ(m_plan.m_strMonthTitle, "2001 1월 제목");
  EXPECT_EQ(Bodies(), (std::vector<std::string>{"2001 1월 1일 첫 절", "2001 1월 1일 둘째 절"}));
  EXPECT_EQ(m_plan.m_strDateKey, "20010101");
  EXPECT_EQ(m_view.ranges.size(), 1u);

  ASSERT_TRUE(Show(2000, 12, 31));
  EXPECT_EQ(m_view.titles.back(), "베스페랄읽기 - 2000");
  EXPECT_EQ(m_plan.m_strYearTitle, "2000년 읽기");
}

TEST_F(ReadingPlanTest, AFileThatAppearsWhileTheWindowRunsIsFound) {
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  ASSERT_TRUE(Show(2001, 1, 1));
  EXPECT_EQ(Bodies(), std::vector<std::string>{"해당하는 본문내용이 없습니다."});
  m_dir.WritePlan(2001, SmallYear(2001));
  ASSERT_TRUE(Show(2001, 1, 2));
  EXPECT_EQ(Bodies(), std::vector<std::string>{"2001 1월 2일"});
  EXPECT_EQ(m_plan.m_strYearTitle, "2001년 읽기");
  EXPECT_EQ(m_view.titles.back(), "베스페랄읽기 - 2001");
}

TEST_F(ReadingPlanTest, ReleaseClosesTheConnection) {
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  ASSERT_TRUE(m_plan.m_pPlanSet);
  m_plan.Release();
  EXPECT_FALSE(m_plan.m_pPlanSet);
  EXPECT_FALSE(m_plan.m_planDb.IsOpen());
  m_dir.Remove("2000.dat");  // nothing holds the file any more
  EXPECT_FALSE(std::ifstream(m_dir.ProgramDir() + "2000.dat").good());
}

}  // namespace
