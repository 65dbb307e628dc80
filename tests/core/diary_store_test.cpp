#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "DbTestData.h"
#include "TestFiles.h"
#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryStore.h"
#include "res/TextIds.h"

namespace {

// Reads one column of every row of a statement over a second connection, as another tool would.
std::vector<std::string> ColumnOf(const std::string& dbPath, const std::string& sql, const std::string& field) {
  CDaoDatabase db;
  db.Open(dbPath);
  return dbtest::Column(db, sql, field);
}

// Rows of a statement run by SQLite itself on the file, each row's columns joined by blanks.
std::vector<std::string> RawRows(const std::string& dbPath, const char* utf8Sql) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(dbPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
  std::vector<std::string> rows;
  auto collect = [](void* out, int count, char** values, char**) {
    std::string row;
    for (int i = 0; i < count; ++i) row += (i ? " " : "") + std::string(values[i] ? values[i] : "(null)");
    static_cast<std::vector<std::string>*>(out)->push_back(row);
    return 0;
  };
  sqlite3_exec(db.get(), utf8Sql, collect, &rows, nullptr);
  return rows;
}

void InsertBehindTheDiary(const std::string& dbPath, const std::string& key, const std::string& title) {
  CDaoDatabase db;
  db.Open(dbPath);
  CDaoRecordset set(&db);
  set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL");
  set.AddNew();
  set.SetFieldValue("keydate", key);
  set.SetFieldValue("memo1", title);
  set.SetFieldValue("memo2", "m");
  set.SetFieldValue("memo3", "p");
  set.Update();
  set.Close();
}

class DiaryStoreTest : public ::testing::Test {
 protected:
  CDiaryStore MakeStore() { return CDiaryStore(); }
  std::string DbPath() const { return m_dir.ProgramDir() + "memo.mdb"; }
  std::vector<std::string> TitlesOf(const std::string& key) const {
    return ColumnOf(DbPath(), "select * from VESPERAL where keydate='" + key + "'", "memo1");
  }

  TestFiles m_dir;
};

}  // namespace

TEST_F(DiaryStoreTest, FirstOpenCreatesTheTableAndTheNextOpenKeepsIt) {
  {
    CDiaryStore store = MakeStore();
    ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
    EXPECT_TRUE(std::filesystem::exists(TestFiles::FsPath(DbPath())));
    EXPECT_TRUE(store.HasDiary());
    EXPECT_FALSE(store.HasOpenQuery());
    EXPECT_EQ(store.Keys().GetCount(), 0);
    EXPECT_EQ(store.Keys().GetCapacity(), 1000);
    store.WriteEntry("20000305", "t", "m", "p");
    store.Release();
    EXPECT_FALSE(store.IsConnected());
    EXPECT_FALSE(store.HasDiary());
  }
  // The four columns answer by name, keydate holds at most eight characters, the memos hold long texts.
  EXPECT_EQ(ColumnOf(DbPath(), "SELECT keydate, memo1, memo2, memo3 FROM VESPERAL", "memo3"),
            std::vector<std::string>{"p"});
  {
    CDaoDatabase db;
    db.Open(DbPath());
    CDaoRecordset set(&db);
    set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL");
    set.AddNew();
    EXPECT_THROW(
        {
          set.SetFieldValue("keydate", "200003051");
          set.Update();
        },
        CDaoException);
    set.Close();
  }
  EXPECT_EQ(RawRows(DbPath(), "SELECT name, type FROM pragma_table_info('VESPERAL') ORDER BY cid"),
            (std::vector<std::string>{"keydate VARCHAR(8)", "memo1 LONGTEXT", "memo2 LONGTEXT", "memo3 LONGTEXT"}));
  const std::string longText(20000, 'y');
  {
    CDiaryStore store = MakeStore();
    ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
    EXPECT_TRUE(store.Keys().Find("20000305"));
    EXPECT_EQ(store.Keys().GetCount(), 1);
    store.WriteEntry("20000306", longText, longText, longText);
  }
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
  DiaryEntry entry;
  store.ReadEntry("20000306", entry);
  EXPECT_EQ(entry.prayer, longText);
  EXPECT_EQ(store.Keys().GetCount(), 2);
  EXPECT_TRUE(store.Unavailable().IsAvailable());
}

TEST_F(DiaryStoreTest, PathIsTheProgramDirectoryFollowedDirectlyByTheFileName) {
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir() + "old_"));
  EXPECT_TRUE(std::filesystem::exists(TestFiles::FsPath(m_dir.ProgramDir() + "old_memo.mdb")));
  EXPECT_FALSE(std::filesystem::exists(TestFiles::FsPath(DbPath())));
}

TEST_F(DiaryStoreTest, EmptyTextsAreStoredAsTheMarkAndReadBackEmpty) {
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
  store.WriteEntry("20000101", "", "", "");
  EXPECT_EQ(ColumnOf(DbPath(), "SELECT * FROM VESPERAL", "memo1"), std::vector<std::string>{"x"});
  EXPECT_EQ(ColumnOf(DbPath(), "SELECT * FROM VESPERAL", "memo2"), std::vector<std::string>{"x"});
  EXPECT_EQ(ColumnOf(DbPath(), "SELECT * FROM VESPERAL", "memo3"), std::vector<std::string>{"x"});

  DiaryEntry entry{false, "old", "old", "old"};
  store.ReadEntry("20000101", entry);
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.title, "");
  EXPECT_EQ(entry.meditation, "");
  EXPECT_EQ(entry.prayer, "");

  store.WriteEntry("20000102", "x", "xx", "X");
  store.ReadEntry("20000102", entry);
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.title, "");
  EXPECT_EQ(entry.meditation, "xx");
  EXPECT_EQ(entry.prayer, "X");
  store.WriteEntry("20000103", "xx", "X", "x ");
  store.ReadEntry("20000103", entry);
  EXPECT_EQ(entry.title, "xx");
  EXPECT_EQ(entry.meditation, "X");
  EXPECT_EQ(entry.prayer, "x ");
}

TEST_F(DiaryStoreTest, WritingTwiceChangesTheOneRecordAndDeletingForgetsTheDate) {
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
  store.WriteEntry("20000101", "first", "m1", "p1");
  store.WriteEntry("20000101", "second", "m2", "p2");
  store.WriteEntry("20000102", "other", "m", "p");
  EXPECT_EQ(TitlesOf("20000101"), std::vector<std::string>{"second"});
  EXPECT_EQ(store.Keys().GetCount(), 2);

  DiaryEntry entry;
  store.ReadEntry("2000010", entry);
  EXPECT_FALSE(entry.found);
  store.ReadEntry("20000101 ", entry);
  EXPECT_FALSE(entry.found);
  store.ReadEntry("20000101", entry);
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.meditation, "m2");
  EXPECT_EQ(entry.prayer, "p2");

  store.DeleteEntry("20000101");
  EXPECT_FALSE(store.Keys().Find("20000101"));
  EXPECT_TRUE(store.Keys().Find("20000102"));
  store.ReadEntry("20000101", entry);
  EXPECT_FALSE(entry.found);
  EXPECT_EQ(entry.title, "");
  EXPECT_EQ(entry.meditation, "");
  EXPECT_EQ(entry.prayer, "");
  EXPECT_TRUE(TitlesOf("20000101").empty());
  EXPECT_EQ(TitlesOf("20000102"), std::vector<std::string>{"other"});

  // Deleting a date without an entry changes nothing.
  store.DeleteEntry("20000101");
  store.DeleteEntry("20000109");
  EXPECT_EQ(store.Keys().GetCount(), 1);
  EXPECT_EQ(TitlesOf("20000102"), std::vector<std::string>{"other"});
}

TEST_F(DiaryStoreTest, RecordsSharingAKeyAreTakenOneAtATime) {
  {
    CDiaryStore creator = MakeStore();
    ASSERT_TRUE(creator.OpenDiaryDb(m_dir.ProgramDir()));
  }
  InsertBehindTheDiary(DbPath(), "20000101", "first");
  InsertBehindTheDiary(DbPath(), "20000101", "second");

  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
  EXPECT_EQ(store.Keys().GetCount(), 2);

  DiaryEntry entry;
  store.ReadEntry("20000101", entry);
  EXPECT_EQ(entry.title, "first");
  store.WriteEntry("20000101", "changed", "m", "p");
  EXPECT_EQ(TitlesOf("20000101"), (std::vector<std::string>{"changed", "second"}));
  EXPECT_EQ(store.Keys().GetCount(), 2);

  store.DeleteEntry("20000101");
  EXPECT_EQ(TitlesOf("20000101"), std::vector<std::string>{"second"});
  EXPECT_TRUE(store.Keys().Find("20000101"));
  store.ReadEntry("20000101", entry);
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.title, "second");

  store.DeleteEntry("20000101");
  EXPECT_TRUE(TitlesOf("20000101").empty());
  EXPECT_FALSE(store.Keys().Find("20000101"));
  EXPECT_EQ(store.Keys().GetCount(), 0);
}

TEST_F(DiaryStoreTest, FailedCreationLeavesTheDiaryWithoutADatabase) {
  std::ofstream(TestFiles::FsPath(m_dir.ProgramDir() + "plain")) << "not a folder";
  const std::string unusableDirs[] = {m_dir.ProgramDir() + "missing" + TestFiles::Separator(),
                                      m_dir.ProgramDir() + "plain" + TestFiles::Separator()};
  for (const std::string& programDir : unusableDirs) {
    CDiaryStore store = MakeStore();
    EXPECT_FALSE(store.OpenDiaryDb(programDir)) << programDir;
    EXPECT_EQ(store.Unavailable().reason, DiaryUnavailable::Reason::kCannotCreate);
    EXPECT_EQ(store.Unavailable().folder, programDir);
    EXPECT_EQ(store.Unavailable().Message().Parts().front(),
              (MessageText::Part{IDS_DIARY_CANNOT_CREATE, {programDir}}));
    EXPECT_FALSE(store.HasDiary());
    EXPECT_FALSE(store.IsConnected());

    store.WriteEntry("20000101", "t", "m", "p");
    EXPECT_FALSE(store.Keys().Find("20000101"));
    EXPECT_EQ(store.Keys().GetCount(), 0);
    DiaryEntry entry{true, "kept", "kept", "kept"};
    store.ReadEntry("20000101", entry);
    EXPECT_TRUE(entry.found);
    EXPECT_EQ(entry.title, "kept");
    store.DeleteEntry("20000101");
    store.Release();
    EXPECT_FALSE(std::filesystem::exists(TestFiles::FsPath(programDir + "memo.mdb")));
  }
}

TEST_F(DiaryStoreTest, KoreanTextsSurviveAKoreanProgramDirectory) {
  const std::string programDir = m_dir.MakeSubDir("베스페랄 일기");
  const std::string title = "주님의 기도";
  const std::string meditation = "오늘의 묵상\r\n둘째 줄";
  {
    CDiaryStore store = MakeStore();
    ASSERT_TRUE(store.OpenDiaryDb(programDir));
    store.WriteEntry("20240229", title, meditation, "");
  }
  EXPECT_TRUE(std::filesystem::exists(TestFiles::FsPath(programDir + "memo.mdb")));
  // Inside the file the texts are UTF-8.
  EXPECT_EQ(RawRows(programDir + "memo.mdb", "SELECT memo1, memo3 FROM VESPERAL"),
            std::vector<std::string>{u8"주님의 기도 x"});
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(programDir));
  EXPECT_TRUE(store.Unavailable().IsAvailable());
  EXPECT_TRUE(store.Keys().Find("20240229"));
  DiaryEntry entry;
  store.ReadEntry("20240229", entry);
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.title, title);
  EXPECT_EQ(entry.meditation, meditation);
  EXPECT_EQ(entry.prayer, "");
}

TEST_F(DiaryStoreTest, AFailedStatementLeavesTheRecordsetReadyForTheNext) {
  CDiaryStore store = MakeStore();
  ASSERT_TRUE(store.OpenDiaryDb(m_dir.ProgramDir()));
  store.WriteEntry("20000101", "kept", "m", "p");
  // A key longer than the column is refused by the engine in the middle of the write.
  EXPECT_THROW(store.WriteEntry("200001011", "t", "m", "p"), CDaoException);
  EXPECT_FALSE(store.HasOpenQuery());
  EXPECT_FALSE(store.Keys().Find("200001011"));

  // A quote would turn the key into a different statement; it must never reach other records.
  EXPECT_THROW(store.DeleteEntry("20000101' OR '1'='1"), CDaoException);
  EXPECT_FALSE(store.HasOpenQuery());
  EXPECT_EQ(TitlesOf("20000101"), std::vector<std::string>{"kept"});

  store.WriteEntry("20000102", "next", "m", "p");
  DiaryEntry entry;
  store.ReadEntry("20000102", entry);
  EXPECT_EQ(entry.title, "next");
  EXPECT_EQ(store.Keys().GetCount(), 2);
}
