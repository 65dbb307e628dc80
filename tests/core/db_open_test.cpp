#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "DbTestData.h"
#include "TestFiles.h"

namespace {

using dbtest::Contains;
using dbtest::ErrorOf;
using dbtest::Texts;

class OpenDatabase : public ::testing::Test {
 protected:
  // Opens the file, expects a refusal that names it, and expects the file's bytes unchanged.
  void ExpectRefused(const std::string& path, const std::string& reason) {
    const bool existed = TestFiles::Exists(path);
    const bool isFile = std::filesystem::is_regular_file(TestFiles::FsPath(path));
    const std::string before = isFile ? TestFiles::Read(path) : "";
    CDaoDatabase db;
    const std::string error = ErrorOf([&] { db.Open(path); });
    EXPECT_TRUE(Contains(error, "'" + path + "'")) << error;
    EXPECT_TRUE(Contains(error, reason)) << error;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(TestFiles::Exists(path), existed);
    if (isFile) {
      EXPECT_EQ(TestFiles::Read(path), before);
    }
  }
  // A database of several pages.
  std::string MakeBigDatabase(const std::string& name) {
    const std::string path = m_files.Path(name);
    dbtest::RawExec(path, "CREATE TABLE T (v BLOB); INSERT INTO T VALUES (zeroblob(20000));");
    return path;
  }

  TestFiles m_files;
};

TEST_F(OpenDatabase, RefusesWhatIsNotAnSqliteDatabase) {
  ExpectRefused(m_files.Path("missing.dat"), "Could not find file");

  const std::string empty = m_files.Path("empty.dat");
  TestFiles::Write(empty, "");
  ExpectRefused(empty, "the file is empty");

  const std::string garbage = m_files.Path("garbage.dat");
  std::string noise;
  for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 251);
  TestFiles::Write(garbage, noise);
  ExpectRefused(garbage, "not a database file");

  const std::string jet = m_files.Path("jet.mdb");
  TestFiles::Write(jet, std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(4076, '\0'));
  ExpectRefused(jet, "not a database file");

  const std::string text = m_files.Path("notes.txt");
  TestFiles::Write(text, "SQLite format 2\nbut only text\n");
  ExpectRefused(text, "not a database file");

  const std::string folder = m_files.Path("folder.dat");
  std::filesystem::create_directory(TestFiles::FsPath(folder));
  ExpectRefused(folder, "folder");
}

TEST_F(OpenDatabase, RefusesDamagedAndTruncatedFiles) {
  const std::string whole = TestFiles::Read(MakeBigDatabase("whole.dat"));
  ASSERT_GE(whole.size(), 4u * 4096);

  const std::string cutAtPage = m_files.Path("cut-at-page.dat");
  TestFiles::Write(cutAtPage, whole.substr(0, 2 * 4096));
  ExpectRefused(cutAtPage, "truncated");

  const std::string cutMidPage = m_files.Path("cut-mid-page.dat");
  TestFiles::Write(cutMidPage, whole.substr(0, 5000));
  ExpectRefused(cutMidPage, "truncated");

  const std::string headerOnly = m_files.Path("header-only.dat");
  TestFiles::Write(headerOnly, whole.substr(0, 100));
  ExpectRefused(headerOnly, "truncated");

  std::string badPageSize = whole;
  badPageSize[16] = 0x03;  // 0x0300 is no power of two
  const std::string damaged = m_files.Path("damaged.dat");
  TestFiles::Write(damaged, badPageSize);
  ExpectRefused(damaged, "header is damaged");

  std::string badSchema = whole;
  for (size_t i = 100; i < 4096; ++i) badSchema[i] = static_cast<char>(0xA5);  // the schema page
  const std::string scrambled = m_files.Path("scrambled.dat");
  TestFiles::Write(scrambled, badSchema);
  ExpectRefused(scrambled, "Unrecognized database format");
}

TEST_F(OpenDatabase, OpeningAndReadingWriteNothing) {
  const std::string dir = m_files.Path("베스페랄");  // a Korean folder name
  std::filesystem::create_directory(TestFiles::FsPath(dir));
  const std::string path = dir + "/2026.dat";
  dbtest::MakePlan(path);
  const std::string before = TestFiles::Read(path);
  {
    CDaoDatabase db;
    db.Open(path);
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.GetName(), path);
    EXPECT_EQ(dbtest::Column(db, "select * from YEAR where year=2026", "year"), Texts{"2026"});
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(Contains(ErrorOf([&] { CDaoRecordset(&db).Open(dbOpenDynaset, "SELECT * FROM YEAR"); }), "not open"));
  }
  EXPECT_EQ(TestFiles::Read(path), before);
}

TEST_F(OpenDatabase, CreateMakesANewFileAndRefusesAnExistingOne) {
  const std::string path = m_files.Path("memo.mdb");
  dbtest::MakeDiary(path);
  CDaoDatabase db;
  db.Open(path);  // a created file is a database at once
  dbtest::AddEntry(db, "20260307", "t", "m", "p");
  db.Close();

  const std::string before = TestFiles::Read(path);
  EXPECT_TRUE(Contains(ErrorOf([&] { db.Create(path); }), "Database '" + path + "' already exists."));
  EXPECT_EQ(TestFiles::Read(path), before);
  const std::string text = m_files.Path("text.txt");
  TestFiles::Write(text, "keep me");
  EXPECT_TRUE(Contains(ErrorOf([&] { db.Create(text); }), "already exists"));
  EXPECT_EQ(TestFiles::Read(text), "keep me");

  const std::string nowhere = m_files.Path("no-such-folder/memo.mdb");
  EXPECT_TRUE(Contains(ErrorOf([&] { db.Create(nowhere); }), nowhere));
  EXPECT_FALSE(db.IsOpen());

  // The table is there once, with its rules.
  db.Open(path);
  CDaoTableDef again(&db);
  again.Create("VESPERAL");
  again.CreateField("keydate", dbText, 8, dbUpdatableField);
  EXPECT_TRUE(Contains(ErrorOf([&] { again.Append(); }), "Table 'VESPERAL' already exists."));
  CDaoTableDef odd(&db);
  odd.Create("ODD");
  EXPECT_TRUE(Contains(ErrorOf([&] { odd.CreateField("n", 4, 0, 0); }), "Invalid field data type"));
  EXPECT_TRUE(Contains(ErrorOf([&] { odd.CreateField("t", dbText, 300, 0); }), "at most 255"));
  EXPECT_TRUE(Contains(ErrorOf([&] { odd.Append(); }), "No field defined"));
}

TEST_F(OpenDatabase, ASecondWriterWaitsForTheFirst) {
  const std::string path = m_files.Path("memo.mdb");
  dbtest::MakeDiary(path);

  // Another connection holds the write lock with an entry not yet committed.
  sqlite3* holder = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &holder), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE; INSERT INTO VESPERAL VALUES ('20260101', 'a', 'b', 'c');", nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  std::atomic<bool> committed{false};
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    committed = true;
    sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
  });

  CDaoDatabase db;
  db.Open(path);
  CDaoRecordset set(&db);
  set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL");  // readers are not blocked
  EXPECT_TRUE(set.IsEOF());
  set.AddNew();
  set.SetFieldValue("keydate", "20260102");
  set.SetFieldValue("memo1", "t");
  const std::string error = ErrorOf([&] { set.Update(); });
  const bool committedBeforeUpdateReturned = committed;
  release.join();
  sqlite3_close(holder);
  EXPECT_EQ(error, "(no error)");
  EXPECT_TRUE(committedBeforeUpdateReturned) << "the update finished while the other writer held the lock";
  set.Close();
  EXPECT_EQ(dbtest::Column(db, "SELECT keydate FROM VESPERAL ORDER BY keydate", "keydate"),
            (Texts{"20260101", "20260102"}));
}

}  // namespace

namespace {

// The files a process leaves when it dies in the middle of a write: the database with part of the
// transaction written into it, and the journal that holds what those pages were before.
TEST_F(OpenDatabase, AWriteCutShortIsRolledBackOnOpen) {
  const std::string path = m_files.Path("memo.mdb");
  dbtest::MakeDiary(path);
  {
    CDaoDatabase db;
    db.Open(path);
    dbtest::AddEntry(db, "20260101", "kept", "m", "p");
  }
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
  // A tiny cache makes SQLite write changed pages into the file before the commit.
  ASSERT_EQ(sqlite3_exec(writer,
                         "PRAGMA cache_size = 1; BEGIN; PRAGMA user_version = 7;"
                         "UPDATE VESPERAL SET memo1 = 'lost';"
                         "INSERT INTO VESPERAL SELECT '20260102', hex(zeroblob(100000)), 'm', 'p';",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  const std::string image = m_files.Path("crash.mdb");
  // The new header went out before the pages at the end of the file: it counts pages not yet there.
  std::string bytes = TestFiles::Read(path);
  bytes[28] = 0x7F;
  bytes.replace(92, 4, bytes.substr(24, 4));
  TestFiles::Write(image, bytes);
  TestFiles::Write(image + "-journal", TestFiles::Read(path + "-journal"));
  sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  ASSERT_GT(TestFiles::Read(image + "-journal").size(), 0u);
  ASSERT_NE(TestFiles::Read(image), TestFiles::Read(path)) << "the image holds part of the transaction";

  CDaoDatabase db;
  db.Open(image);
  EXPECT_EQ(dbtest::Column(db, "SELECT * FROM VESPERAL ORDER BY keydate", "memo1"), Texts{"kept"});
}

}  // namespace
