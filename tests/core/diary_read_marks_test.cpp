#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "HabitPrinters.h"
#include "DbTestData.h"
#include "TestFiles.h"
#include "diary/DiaryStore.h"

namespace {

// Every row of the diary's table and its schema text, read by SQLite itself: the content whose bytes the
// marks must leave as they were.
std::string DumpOfTheDiaryTable(const std::string& dbPath) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(dbPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
  std::string dump;
  auto collect = [](void* out, int count, char** values, char**) {
    for (int i = 0; i < count; ++i)
      *static_cast<std::string*>(out) += (values[i] ? values[i] : "(null)") + std::string("|");
    *static_cast<std::string*>(out) += "\n";
    return 0;
  };
  sqlite3_exec(db.get(), "SELECT type, name, sql FROM sqlite_master WHERE tbl_name = 'VESPERAL'", collect, &dump,
               nullptr);
  sqlite3_exec(db.get(), "SELECT rowid, keydate, hex(memo1), hex(memo2), hex(memo3) FROM VESPERAL ORDER BY rowid",
               collect, &dump, nullptr);
  return dump;
}

dbtest::Texts TablesOf(const std::string& dbPath) {
  CDaoDatabase db;
  db.Open(dbPath);
  return dbtest::Column(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", "name");
}

class DiaryReadMarksTest : public ::testing::Test {
 protected:
  std::string DbPath() const { return m_dir.ProgramDir() + "memo.mdb"; }
  // A diary as the program wrote it before it kept marks: the diary's table alone, with entries.
  void MakeOldDiary() {
    dbtest::MakeDiary(DbPath());
    CDaoDatabase db;
    db.Open(DbPath());
    dbtest::AddEntry(db, "20261206", "주일", "묵상", "기도");
    dbtest::AddEntry(db, "20261207", "x", "x", "긴 기도");
  }

  TestFiles m_dir;
};

TEST_F(DiaryReadMarksTest, MarksAreStoredAndSurviveAReopenOfANewDiary) {
  {
    CDiaryStore session;
    ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
    ASSERT_TRUE(session.CanMark());
    EXPECT_EQ(session.Marks().Size(), 0u);
    for (const CalendarDay& day :
         {CalendarDay{2026, 12, 5}, CalendarDay{2026, 12, 6}, CalendarDay{2026, 12, 7}, CalendarDay{2025, 12, 31}})
      session.SetMarked(day, true);
    session.SetMarked({2026, 12, 7}, true);  // marking twice stores one row
    session.SetMarked({2026, 12, 6}, false);
    session.SetMarked({2026, 1, 1}, false);  // unmarking an unmarked day changes nothing
  }
  // The new diary was made with both tables at once.
  EXPECT_EQ(TablesOf(DbPath()), (dbtest::Texts{"READMARK", "VESPERAL"}));
  CDaoDatabase db;
  db.Open(DbPath());
  EXPECT_EQ(dbtest::Column(db, "SELECT keydate FROM READMARK ORDER BY keydate", "keydate"),
            (dbtest::Texts{"20251231", "20261205", "20261207"}));
  db.Close();

  CDiaryStore session;
  ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
  EXPECT_EQ(session.Marks().DaysOfYear(2026), (std::vector<CalendarDay>{{2026, 12, 5}, {2026, 12, 7}}));
  EXPECT_TRUE(session.Marks().IsMarked({2025, 12, 31}));
  session.Release();
  EXPECT_FALSE(session.CanMark());
  EXPECT_EQ(session.Marks().Size(), 0u);
}

TEST_F(DiaryReadMarksTest, AnOldDiaryGetsTheTableOnFirstUseAndItsEntriesKeepTheirBytes) {
  MakeOldDiary();
  const std::string before = DumpOfTheDiaryTable(DbPath());
  ASSERT_NE(before.find("20261207"), std::string::npos);  // the dump holds the rows
  {
    CDiaryStore session;
    ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
    ASSERT_TRUE(session.CanMark());
    EXPECT_TRUE(session.HasEntry("20261206"));
    session.SetMarked({2026, 12, 6}, true);
  }
  EXPECT_EQ(TablesOf(DbPath()), (dbtest::Texts{"READMARK", "VESPERAL"}));
  EXPECT_EQ(DumpOfTheDiaryTable(DbPath()), before);
  CDiaryStore session;
  ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
  EXPECT_TRUE(session.Marks().IsMarked({2026, 12, 6}));
}

// Marks never stand in the way of the diary: where they cannot be kept, only marking is unavailable.
TEST_F(DiaryReadMarksTest, AMarkTableThatIsNotOursLeavesTheDiaryOpenAndMarkingUnavailable) {
  const struct {
    const char* scenario;
    const char* sql;
  } rows[] = {
      {"a view under the table's name", "CREATE VIEW READMARK AS SELECT keydate FROM VESPERAL"},
      {"a table with a trigger",
       "CREATE TABLE READMARK (keydate TEXT); CREATE TRIGGER t AFTER INSERT ON READMARK BEGIN DELETE FROM "
       "VESPERAL; END"},
      {"a table without the key column", "CREATE TABLE READMARK (day TEXT)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.scenario);
    MakeOldDiary();
    dbtest::RawExec(DbPath(), row.sql);
    const std::string before = DumpOfTheDiaryTable(DbPath());
    CDiaryStore session;
    ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
    EXPECT_TRUE(session.HasEntry("20261207"));
    EXPECT_FALSE(session.CanMark());
    session.SetMarked({2026, 12, 7}, true);
    EXPECT_FALSE(session.Marks().IsMarked({2026, 12, 7}));
    session.Release();
    EXPECT_EQ(DumpOfTheDiaryTable(DbPath()), before);
    std::filesystem::remove(TestFiles::FsPath(DbPath()));
  }
}

TEST_F(DiaryReadMarksTest, WithoutADiaryThereIsNothingToMarkAndKeysThatNameNoDayAreNotCounted) {
  TestFiles::Write(DbPath(), "this is no database at all, but some text of another program.");
  {
    CDiaryStore session;
    EXPECT_FALSE(session.OpenDiaryDb(m_dir.ProgramDir()));
    EXPECT_FALSE(session.CanMark());
    session.SetMarked({2026, 12, 7}, true);
    EXPECT_EQ(session.Marks().Size(), 0u);
  }
  std::filesystem::remove(TestFiles::FsPath(DbPath()));
  MakeOldDiary();
  dbtest::RawExec(DbPath(),
                  "CREATE TABLE READMARK (keydate TEXT); INSERT INTO READMARK VALUES ('20261207'), ('20261207'), "
                  "('2026127'), ('20261341'), (NULL), ('20260101');");
  CDiaryStore session;
  ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
  ASSERT_TRUE(session.CanMark());
  EXPECT_EQ(session.Marks().DaysOfYear(2026), (std::vector<CalendarDay>{{2026, 1, 1}, {2026, 12, 7}}));
  // A day another tool wrote twice is unmarked whole.
  session.SetMarked({2026, 12, 7}, false);
  session.Release();
  ASSERT_TRUE(session.OpenDiaryDb(m_dir.ProgramDir()));
  EXPECT_EQ(session.Marks().DaysOfYear(2026), (std::vector<CalendarDay>{{2026, 1, 1}}));
}

}  // namespace
