// A plan file of the older program (a Jet database) is read at opening into memory and shows the same
// pages as the same plan in the program's own format; one that cannot be read is refused as any other.
#include <gtest/gtest.h>

#include <filesystem>

#include "JetTestTables.h"
#include "ReadingPlanFixture.h"

namespace {

using namespace jet_writer;

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? "''" : std::string(1, c);
  return quoted + "'";
}

// The same tables as SQL inserts for a plan of our own format.
std::string InsertsOf(const std::vector<TableSpec>& tables) {
  std::string sql;
  for (const TableSpec& table : tables)
    for (const RowSpec& row : table.rows) {
      sql += "INSERT INTO " + table.name + " VALUES (";
      for (size_t c = 0; c < row.cells.size(); ++c)
        sql += (c ? ", " : "") +
               (table.columns[c].type <= Type::kLong ? std::to_string(row.cells[c].number) : Quoted(row.cells[c].text));
      sql += ");";
    }
  return sql;
}

void WriteJetPlan(const std::string& programDir, const FileSpec& spec) {
  TestFiles::Write(programDir + "2026.dat", Write(spec).bytes);
}

FileSpec PlanSpec(int version, std::vector<TableSpec> tables = jet_test::Plan(2026, 40, 5)) {
  FileSpec spec;
  spec.version = version;
  spec.tables = std::move(tables);
  return spec;
}

TEST_F(ReadingPlanTest, AJetPlanShowsTheSamePagesAsTheSamePlanInOurFormat) {
  PlanTestDir ours;
  ours.WritePlan(2026, InsertsOf(jet_test::Plan(2026, 40, 5)));
  CReadingPlan ourPlan(ours.ProgramDir());
  ASSERT_TRUE(ourPlan.OpenPlanFile(2026, false).bOpened);
  for (int version : {3, 4}) {
    SCOPED_TRACE(version);
    WriteJetPlan(m_dir.ProgramDir(), PlanSpec(version));
    ASSERT_TRUE(Start(2026));
    for (int month : {1, 2, 3})
      for (int day = 1; day <= 31; ++day) {
        const ReadingDay expected = ourPlan.LookUpDay(CalendarDay{2026, month, day}).day;
        const ReadingDay& shown = Show(2026, month, day);
        EXPECT_EQ(shown.strYearTitle + shown.strMonthTitle + shown.strRange,
                  expected.strYearTitle + expected.strMonthTitle + expected.strRange);
        ASSERT_EQ(shown.VerseCount(), expected.VerseCount());
        for (int v = 0; v < shown.VerseCount(); ++v)
          EXPECT_EQ(shown.verses[v].szVerse + shown.verses[v].strBody,
                    expected.verses[v].szVerse + expected.verses[v].strBody);
      }
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TestFiles::FsPath(m_dir.ProgramDir())), {}), 1);
  }
}

TEST_F(ReadingPlanTest, AJetPlanThatCannotBeReadIsRefused) {
  std::vector<TableSpec> withoutDay = jet_test::Plan(2026, 2, 1);
  withoutDay.pop_back();
  FileSpec encrypted = PlanSpec(4);
  encrypted.encryptionKey = 9;
  for (const FileSpec& spec : {PlanSpec(3, withoutDay), encrypted}) {
    WriteJetPlan(m_dir.ProgramDir(), spec);
    m_messages.clear();
    EXPECT_FALSE(Start(2026));
    EXPECT_EQ(m_messages,
              (std::vector<std::string>{"베스페랄본문 파일을 열 수 없습니다.", m_dir.ProgramDir() + "2026.dat\n<damaged>"}));
  }
}

}  // namespace
