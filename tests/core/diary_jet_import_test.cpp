// A diary of the older program, a Jet memo.mdb, opened by the diary store: brought over whole with the Jet
// file kept byte for byte, or left as it was with the reason the diary button gives.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "JetRows.h"
#include "JetTestTables.h"
#include "TestFiles.h"
#include "diary/DiaryStore.h"
#include "res/TextIds.h"

namespace {

using namespace jet_writer;
using Reason = DiaryUnavailable::Reason;

std::vector<std::string> DiaryRows(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  std::vector<std::string> rows;
  sqlite3_exec(
      db, "SELECT keydate, memo1, memo2, memo3 FROM VESPERAL",
      [](void* out, int count, char** values, char**) {
        std::string row;
        for (int i = 0; i < count; ++i) row += std::string(values[i] ? values[i] : jet_rows::kNull) + "\x1F";
        static_cast<std::vector<std::string>*>(out)->push_back(row);
        return 0;
      },
      &rows, nullptr);
  sqlite3_close(db);
  return jet_rows::Sorted(rows);
}

FileSpec DiaryFile(int version, int entries) {
  FileSpec spec;
  spec.version = version;
  spec.rowsPerPage = 25;
  spec.tables = {jet_test::Diary(entries)};
  return spec;
}

struct ImportCase {
  const char* what;
  FileSpec spec;
  std::function<void(std::string& jetBytes, const TestFiles& dir)> prepare;
  Reason refused;              // kNone: brought over
  const char* keptAs;          // the Jet file's new name when brought over
  std::vector<int> says = {};  // refused: the texts the diary button shows
};

std::vector<int> TextsOf(const MessageText& message) {
  std::vector<int> texts;
  for (const MessageText::Part& part : message.Parts())
    if (part.textId != 0) texts.push_back(part.textId);
  return texts;
}

TEST(JetDiaryImport, BringsAnOlderDiaryOverWholeOrLeavesItAsItWas) {
  const auto nothing = [](std::string&, const TestFiles&) {};
  const FileSpec planFile = [] {
    FileSpec spec;
    spec.tables = jet_test::Plan(2026, 3, 2);
    return spec;
  }();
  const std::vector<ImportCase> cases = {
      {"Jet 3, code page 949", DiaryFile(3, 400), nothing, Reason::kNone, "memo-jet.mdb"},
      {"Jet 4", DiaryFile(4, 400), nothing, Reason::kNone, "memo-jet.mdb"},
      {"Jet 4, memo-jet.mdb taken by another file", DiaryFile(4, 20),
       [](std::string&, const TestFiles& dir) { TestFiles::Write(dir.Path("memo-jet.mdb"), "another file"); },
       Reason::kNone, "memo-jet-2.mdb"},
      {"Jet 3, damaged",
       DiaryFile(3, 20),
       [](std::string& b, const TestFiles&) { b.resize(b.size() - 1); },
       Reason::kFileFault,
       nullptr,
       {IDS_DIARY_NOT_OPENED, IDS_FAULT_DAMAGED, IDS_DIARY_BACKUP_NONE, IDS_DIARY_READING_GOES_ON}},
      {"Jet 4, encrypted",
       [] {
         FileSpec s = DiaryFile(4, 20);
         s.encryptionKey = 77;
         return s;
       }(),
       nothing,
       Reason::kEncrypted,
       nullptr,
       {IDS_DIARY_ENCRYPTED, IDS_DIARY_READING_GOES_ON}},
      {"Jet 4 without VESPERAL",
       planFile,
       nothing,
       Reason::kNotADiary,
       nullptr,
       {IDS_DIARY_NOT_A_DIARY, IDS_DIARY_BACKUP_NONE, IDS_DIARY_READING_GOES_ON}},
      {"a folder that takes no new diary",
       DiaryFile(4, 20),
       [](std::string&, const TestFiles& dir) {
         std::filesystem::create_directories(TestFiles::FsPath(dir.Path("memo.mdb.new")) / "blocked");
       },
       Reason::kCannotImport,
       nullptr,
       {IDS_DIARY_CANNOT_IMPORT, IDS_DIARY_READING_GOES_ON}},
  };
  for (const ImportCase& test : cases) {
    SCOPED_TRACE(test.what);
    TestFiles dir;
    std::string bytes = Write(test.spec).bytes;
    test.prepare(bytes, dir);
    TestFiles::Write(dir.Path("memo.mdb"), bytes);

    CDiaryStore store;
    EXPECT_EQ(store.OpenDiaryDb(dir.ProgramDir()), test.refused == Reason::kNone);
    EXPECT_EQ(store.Unavailable().reason, test.refused);
    if (test.refused != Reason::kNone) {
      EXPECT_EQ(TextsOf(store.Unavailable().Message()), test.says);
      EXPECT_EQ(TestFiles::Read(dir.Path("memo.mdb")), bytes);
      EXPECT_FALSE(TestFiles::Exists(dir.Path("memo-jet.mdb")));
      EXPECT_TRUE(store.TakeNotice().IsEmpty());
      continue;
    }
    const std::string kept = dir.Path(test.keptAs);
    EXPECT_EQ(store.TakeNotice().Parts(),
              MessageText(IDS_DIARY_IMPORTED, {std::to_string(jet_rows::WrittenRows(test.spec.tables[0]).size()), kept})
                  .Parts());
    EXPECT_EQ(TestFiles::Read(kept), bytes);
    EXPECT_FALSE(TestFiles::Exists(dir.Path("memo.mdb.new")));
    store.Release();
    EXPECT_EQ(DiaryRows(dir.Path("memo.mdb")), jet_rows::WrittenRows(test.spec.tables[0]));
    // From now on memo.mdb is a diary of ours: opened as any other, nothing more to tell.
    CDiaryStore again;
    ASSERT_TRUE(again.OpenDiaryDb(dir.ProgramDir()));
    EXPECT_TRUE(again.TakeNotice().IsEmpty());
    EXPECT_TRUE(again.Keys().Find("20190101"));
    EXPECT_TRUE(again.CanMark());
  }
}

}  // namespace
