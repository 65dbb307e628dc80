// Opening the plan file of a year: the range of selectable years, a file that is no database, the change
// of year, a file that appears later.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "ReadingPlanFixture.h"

namespace {

const char kCannotOpen[] = "베스페랄본문 파일을 열 수 없습니다.";

TEST_F(ReadingPlanTest, YearRangeIsTheUnbrokenRunOfFilesAroundTheYear) {
  for (int year : {1997, 1999, 2000, 2001, 2004}) m_dir.WritePlan(year, SmallYear(year));
  m_dir.WriteJunk("2002.dat");  // only the name counts; the probe opens nothing
  ASSERT_TRUE(Start(2000));
  EXPECT_TRUE(m_plan->IsPlanOpen());
  const YearRange years = m_plan->SelectableYears();
  EXPECT_TRUE(years.bKnown);
  EXPECT_EQ(years.nFirstYear, 1999);
  EXPECT_EQ(years.nLastYear, 2002);
  EXPECT_TRUE(m_messages.empty());

  // A reopen does not probe again, even when the files changed.
  m_dir.WritePlan(1998, SmallYear(1998));
  ASSERT_TRUE(m_plan->OpenPlanFile(2001, false).bOpened);
  EXPECT_EQ(m_plan->SelectableYears().nFirstYear, 1999);
}

TEST_F(ReadingPlanTest, AloneYearIsItsOwnRange) {
  m_dir.UseSubDir("베스페랄 읽기");
  m_dir.WritePlan(2026, SmallYear(2026));
  ASSERT_TRUE(Start(2026));
  EXPECT_EQ(m_plan->SelectableYears().nFirstYear, 2026);
  EXPECT_EQ(m_plan->SelectableYears().nLastYear, 2026);
  EXPECT_EQ(Show(2026, 1, 1).strRange, "창세기 1:1-2");
}

// Neighbouring years are looked for by their UTF-8 names, whatever code page the system has.
TEST_F(ReadingPlanTest, YearRangeIsFoundInAFolderNamedOutsideCodePage949) {
  m_dir.UseSubDir("Ærøskøbing Москва \U0001F64F \u3400 \u1112\u119E\u11AB");
  for (int year : {2025, 2026, 2027}) m_dir.WritePlan(year, SmallYear(year));
  ASSERT_TRUE(Start(2026));
  EXPECT_EQ(m_plan->SelectableYears().nFirstYear, 2025);
  EXPECT_EQ(m_plan->SelectableYears().nLastYear, 2027);
}

TEST_F(ReadingPlanTest, FileThatIsNoDatabaseCannotBeOpened) {
  m_dir.WriteJunk("2000.dat");
  EXPECT_FALSE(Start(2000));
  EXPECT_EQ(m_messages, (std::vector<std::string>{kCannotOpen, m_dir.ProgramDir() + "2000.dat\n<damaged>"}));
  EXPECT_FALSE(m_plan->IsPlanOpen());
  EXPECT_FALSE(m_plan->SelectableYears().bKnown);
}

TEST_F(ReadingPlanTest, NewYearOpensTheNextFile) {
  m_dir.WritePlan(2000, SmallYear(2000));
  m_dir.WritePlan(2001, SmallYear(2001));
  ASSERT_TRUE(Start(2000));
  Show(2000, 12, 31);
  EXPECT_EQ(Bodies(), std::vector<std::string>{"2000 12월 31일"});

  Show(2001, 1, 1);
  EXPECT_EQ(m_day.strYearTitle, "2001년 읽기");
  EXPECT_EQ(m_day.strMonthTitle, "2001 1월 제목");
  EXPECT_EQ(Bodies(), (std::vector<std::string>{"2001 1월 1일 첫 절", "2001 1월 1일 둘째 절"}));
  EXPECT_EQ(m_day.DateKey(), "20010101");

  Show(2000, 12, 31);
  EXPECT_EQ(m_day.strYearTitle, "2000년 읽기");
}

// A missing file is looked for at each lookup of its year, so one copied in later is found; a file refused
// at its opening is remembered as refused and not opened again.
TEST_F(ReadingPlanTest, AFileThatAppearsWhileTheWindowRunsIsFoundButARefusedOneIsNotOpenedAgain) {
  m_dir.WritePlan(2000, SmallYear(2000));
  m_dir.WriteJunk("2002.dat");
  ASSERT_TRUE(Start(2000));
  for (int year : {2001, 2002}) {
    Show(year, 1, 1);
    EXPECT_EQ(Bodies(), std::vector<std::string>{"해당하는 본문내용이 없습니다."});
    m_dir.Remove(std::to_string(year) + ".dat");
    m_dir.WritePlan(year, SmallYear(year));
  }
  Show(2001, 1, 2);
  EXPECT_EQ(Bodies(), std::vector<std::string>{"2001 1월 2일"});
  EXPECT_EQ(m_day.strYearTitle, "2001년 읽기");
  Show(2002, 1, 2);
  EXPECT_EQ(Bodies(), std::vector<std::string>{"해당하는 본문내용이 없습니다."});
  EXPECT_EQ(m_messages.size(), 4u);
}

// A plan file is opened without file locks: another program's write lock does not hold up a lookup, and
// no character of the folder's name is taken for a part of the file's address.
TEST_F(ReadingPlanTest, PlanIsReadWhileAnotherProgramHoldsItsWriteLock) {
  m_dir.UseSubDir("계획 #1 100%");
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(m_plan->PlanFileName(2000).c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  EXPECT_EQ(Show(2000, 1, 2).strRange, "창세기 2:1");
  EXPECT_TRUE(m_messages.empty());
  sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
}

TEST_F(ReadingPlanTest, ReleaseClosesTheConnection) {
  m_dir.WritePlan(2000, SmallYear(2000));
  ASSERT_TRUE(Start(2000));
  ASSERT_TRUE(m_plan->IsPlanOpen());
  m_plan->Release();
  EXPECT_FALSE(m_plan->IsPlanOpen());
  m_dir.Remove("2000.dat");  // nothing holds the file any more
  EXPECT_FALSE(std::ifstream(m_dir.ProgramDir() + "2000.dat").good());
}

}  // namespace
