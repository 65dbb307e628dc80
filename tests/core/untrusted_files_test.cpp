// Files from elsewhere: plan files passed around and a memo.mdb that is damaged, not a diary or held by
// another program. Each is refused quickly with its message, the program goes on, and no file is changed.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>

#include "ReadingPlanFixture.h"
#include "TestFiles.h"
#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/SqliteConnection.h"
#include "diary/DiaryStore.h"
#include "res/TextIds.h"

namespace {

using Clock = std::chrono::steady_clock;
const char kCannotOpen[] = "베스페랄본문 파일을 열 수 없습니다.";
const char kPlanTables[] =
    "CREATE TABLE YEAR(year INTEGER, ytitle TEXT); CREATE TABLE MONTH(month INTEGER, mtitle TEXT);"
    "CREATE TABLE DAYRANGE(month INTEGER, day INTEGER, order1 INTEGER, range TEXT);";
const char kDayTable[] = "CREATE TABLE DAY(order1 INTEGER, order2 INTEGER, sec TEXT, body TEXT);";
const char kOneDay[] =
    "INSERT INTO YEAR VALUES(2000, 'y'); INSERT INTO MONTH VALUES(1, 'm');"
    "INSERT INTO DAYRANGE VALUES(1, 1, 101, 'r');";
const char kEndlessDay[] =
    "CREATE VIEW DAY AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r)"
    " SELECT 101 AS order1, n AS order2, '1' AS sec, 'v' AS body FROM r ORDER BY n DESC;";

// Makes a database file by SQLite itself, as any tool could.
void WriteDatabase(const std::string& path, const std::string& utf8Sql) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open(path.c_str(), &db);
  char* error = nullptr;
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, utf8Sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("test database " + path + ": " + message);
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST_F(ReadingPlanTest, HostilePlanFilesAreRefusedQuicklyAsUnreadable) {
  const struct {
    const char* name;
    std::string sql;
    bool refusedAtOpen;
    const char* cause = "<damaged>";
  } rows[] = {
      {"endless recursive view in place of DAY", std::string(kPlanTables) + kOneDay + kEndlessDay, true},
      {"view in place of YEAR",
       "CREATE VIEW YEAR AS SELECT 2000 AS year, 'y' AS ytitle; CREATE TABLE MONTH(month, mtitle);"
       "CREATE TABLE DAYRANGE(month, day, order1, range);" + std::string(kDayTable), true},
      {"DAY without its body column",
       std::string(kPlanTables) + "CREATE TABLE DAY(order1, order2, sec);" + kOneDay, true},
      {"trigger on a plan table",
       std::string(kPlanTables) + kDayTable + kOneDay +
           "CREATE TRIGGER t AFTER INSERT ON DAY BEGIN DELETE FROM YEAR; END;", true},
      {"a verse longer than any text the program takes",
       std::string(kPlanTables) + kDayTable + kOneDay +
           "INSERT INTO DAY VALUES(101, 1, '1', printf('%.*c', 17 * 1024 * 1024, 'a'));", false, "<too much work>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = m_dir.ProgramDir() + "2000.dat";
    WriteDatabase(path, row.sql);
    const std::string before = TestFiles::Read(path);
    m_messages.clear();
    const Clock::time_point start = Clock::now();
    const bool opened = Start(2000);
    EXPECT_EQ(opened, !row.refusedAtOpen);
    EXPECT_EQ(Show(2000, 1, 1).verses[0].strBody, kNoPassageText);
    // Said once: the refused file is not queried again.
    EXPECT_EQ(Show(2000, 1, 1).verses[0].strBody, kNoPassageText);
    EXPECT_LT(SecondsSince(start), 2.0);
    EXPECT_EQ(m_messages, (std::vector<std::string>{kCannotOpen, path + "\n" + row.cause}));
    m_plan.reset();
    EXPECT_TRUE(TestFiles::Read(path) == before);
    std::filesystem::remove(TestFiles::FsPath(path));
  }
}

TEST(StepBound, AStatementThatWorksPastTheBoundIsStoppedWithAnError) {
  TestFiles files;
  const std::string path = files.Path("endless.db");
  WriteDatabase(path, std::string("CREATE TABLE t(x);") + kEndlessDay);
  CDaoDatabase db;
  db.Open(path);
  db.Connection().SetStepTimeLimit(std::chrono::milliseconds(300));
  const Clock::time_point start = Clock::now();
  try {
    auto endless = db.Connection().Prepare("SELECT count(*) FROM DAY");
    endless.Step();
    ADD_FAILURE() << "the endless view ended";
  } catch (const CDaoException& error) {
    EXPECT_EQ(error.EngineCode() & 0xFF, SQLITE_INTERRUPT);
    EXPECT_EQ(error.File(), path);
  }
  EXPECT_LT(SecondsSince(start), 2.0);
  // The connection goes on for work within the bound.
  auto quick = db.Connection().Prepare("SELECT count(*) FROM t");
  EXPECT_TRUE(quick.Step());
}

class UnusableDiaryTest : public ::testing::Test {
 public:
  std::string Diary() const { return m_files.Path("memo.mdb"); }
  // A diary with one entry, as the program makes it.
  void WriteGoodDiary() {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(m_files.ProgramDir()));
    store.WriteEntry("20000101", "t", "m", "p");
  }
  TestFiles m_files;
};

TEST_F(UnusableDiaryTest, ADiaryThatCannotBeUsedIsLeftAsItIsAndSaysWhy) {
  using Reason = DiaryUnavailable::Reason;
  const struct {
    const char* name;
    std::function<void(UnusableDiaryTest&)> make;
    Reason reason;
    EngineFault fault;
    int says;  // the text that names the file
  } rows[] = {
      {"garbage bytes", [](UnusableDiaryTest& t) { TestFiles::Write(t.Diary(), std::string(4096, '\x5a')); },
       Reason::kFileFault, EngineFault::kDamaged, IDS_FAULT_DAMAGED},
      {"empty file", [](UnusableDiaryTest& t) { TestFiles::Write(t.Diary(), ""); }, Reason::kFileFault,
       EngineFault::kDamaged, IDS_FAULT_DAMAGED},
      {"a damaged page",
       [](UnusableDiaryTest& t) {
         t.WriteGoodDiary();
         // Page 2 is the diary table's first page; its header becomes nonsense.
         std::string bytes = TestFiles::Read(t.Diary());
         ASSERT_GE(bytes.size(), 8192u);
         for (size_t i = 4096; i < 4096 + 64; ++i) bytes[i] = '\x7f';
         TestFiles::Write(t.Diary(), bytes);
       },
       Reason::kFileFault, EngineFault::kDamaged, IDS_FAULT_DAMAGED},
      {"a plan file under the diary's name",
       [](UnusableDiaryTest& t) { WriteDatabase(t.Diary(), std::string(kPlanTables) + kDayTable + kOneDay); },
       Reason::kNotADiary, EngineFault::kDamaged, IDS_DIARY_NOT_A_DIARY},
      {"a view in place of the diary table",
       [](UnusableDiaryTest& t) {
         WriteDatabase(t.Diary(), "CREATE VIEW VESPERAL AS SELECT '20000101' AS keydate, 'a' AS memo1, 'b' AS memo2,"
                                  " 'c' AS memo3;");
       },
       Reason::kNotADiary, EngineFault::kDamaged, IDS_DIARY_NOT_A_DIARY},
      {"a trigger on the diary table",
       [](UnusableDiaryTest& t) {
         WriteDatabase(t.Diary(), "CREATE TABLE VESPERAL(keydate, memo1, memo2, memo3); CREATE TABLE log(x);"
                                  "CREATE TRIGGER t AFTER UPDATE ON VESPERAL BEGIN INSERT INTO log VALUES(1); END;");
       },
       Reason::kNotADiary, EngineFault::kDamaged, IDS_DIARY_NOT_A_DIARY},
      {"a folder named memo.mdb",
       [](UnusableDiaryTest& t) { std::filesystem::create_directory(TestFiles::FsPath(t.Diary())); },
       Reason::kFolderInTheWay, EngineFault::kOther, IDS_DIARY_FOLDER_IN_THE_WAY},
  };
  // What stands at memo.mdb: a file's bytes, or a folder.
  auto contents = [this] {
    return std::filesystem::is_directory(TestFiles::FsPath(Diary())) ? std::string("(folder)") : TestFiles::Read(Diary());
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.make(*this);
    const std::string before = contents();
    CDiaryStore store;
    EXPECT_FALSE(store.OpenDiaryDb(m_files.ProgramDir()));
    EXPECT_EQ(store.Unavailable().reason, row.reason);
    if (row.reason == Reason::kFileFault) {
      EXPECT_EQ(store.Unavailable().fault, row.fault);
    }
    const std::vector<MessageText::Part> parts = store.Unavailable().Message().Parts();
    EXPECT_NE(std::find(parts.begin(), parts.end(), MessageText::Part{row.says, {Diary()}}), parts.end());
    EXPECT_NE(std::find(parts.begin(), parts.end(), MessageText::Part{IDS_DIARY_READING_GOES_ON, {}}), parts.end());
    EXPECT_EQ(store.m_pDiarySet, nullptr);
    EXPECT_FALSE(store.m_diaryDb.IsOpen());
    EXPECT_EQ(store.m_diaryKeys.GetCount(), 0);
    store.WriteEntry("20000102", "t", "m", "p");  // without a diary nothing is written
    store.Release();
    EXPECT_TRUE(contents() == before);
    EXPECT_FALSE(TestFiles::Exists(Diary() + "-journal"));
    std::filesystem::remove(TestFiles::FsPath(Diary()));
  }
}

// Another program holds the diary past the wait: the write fails with a message that names the file and
// the cause, the text is not stored, and the store works again once the other program lets go.
TEST_F(UnusableDiaryTest, AStoreIntoADiaryHeldByAnotherProgramSaysSoAndKeepsNothingHalfWritten) {
  WriteGoodDiary();
  CDiaryStore store;
  ASSERT_TRUE(store.OpenDiaryDb(m_files.ProgramDir()));
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(Diary().c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  try {
    store.WriteEntry("20000102", "new", "m", "p");
    ADD_FAILURE() << "the write went through a held file";
  } catch (const CDaoException& error) {
    const std::vector<MessageText::Part> parts = store.StoreFailureMessage(error).Parts();
    ASSERT_GE(parts.size(), 2u);
    EXPECT_EQ(parts[0], (MessageText::Part{IDS_DIARY_STORE_FAILED, {}}));
    EXPECT_EQ(parts[1], (MessageText::Part{IDS_FAULT_LOCKED, {Diary()}}));
  }
  EXPECT_FALSE(store.m_diaryKeys.Find("20000102"));
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  store.WriteEntry("20000102", "new", "m", "p");
  DiaryEntry entry;
  store.ReadEntry("20000102", entry);
  EXPECT_EQ(entry.title, "new");
}

}  // namespace
