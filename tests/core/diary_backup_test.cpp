// The diary's backups and their restore on real files: the copies that days of use leave, a restore that
// brings back what was deleted since, what is refused and what is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "DbTestData.h"
#include "HabitPrinters.h"
#include "TestFiles.h"
#include "diary/BackupKeeper.h"
#include "diary/DiaryStore.h"
#include "res/TextIds.h"

namespace {

using Names = std::vector<std::string>;

LocalTime At(const CalendarDay& day) { return LocalTime{day, 8 * 3600 + 30 * 60}; }

std::vector<int> TextIds(const MessageText& message) {
  std::vector<int> ids;
  for (const auto& part : message.Parts()) ids.push_back(part.textId);
  return ids;
}

class DiaryBackupTest : public ::testing::Test {
 protected:
  std::string Dir() const { return m_files.ProgramDir(); }
  std::string Diary() const { return Dir() + "memo.mdb"; }
  void Write(const std::string& key, const std::string& title, bool erase = false) {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(Dir()));
    if (erase)
      store.DeleteEntry(key);
    else
      store.WriteEntry(key, title, u8"묵상", u8"기도");
  }
  static Names Titles(const std::string& path) {
    CDaoDatabase db;
    db.Open(path, false, true);
    return dbtest::Column(db, "SELECT memo1 FROM VESPERAL ORDER BY keydate", "memo1");
  }
  static Names FilesIn(const std::string& folder) {
    Names names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TestFiles::FsPath(folder), error))
      names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // A damaged page in the diary table, written after the last backup as a change would be.
  void DamagePage(const std::string& path) const {
    std::string bytes = TestFiles::Read(path);
    for (size_t i = 4096; i < 4096 + 64; ++i) bytes[i] = '\x7f';
    TestFiles::Write(path, bytes);
    const auto file = TestFiles::FsPath(path);
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::hours(1));
  }

  TestFiles m_files;
};

// Each day the program starts, the diary opens, is perhaps written, and the program ends: the day's backup
// is made at the first of these moments at which the diary differs from the last backup.
TEST_F(DiaryBackupTest, DaysOfUseLeaveACopyOfEachChangedDayThinnedByTheRule) {
  Write("20260301", u8"첫 일기");
  const struct {
    CalendarDay day;
    bool writes;
    Names added, removed;  // in the backup folder by the day's end
  } days[] = {
      {{2026, 3, 2}, true, {"memo-20260302.mdb"}, {}},   // the opening: never backed up
      {{2026, 3, 3}, false, {"memo-20260303.mdb"}, {}},  // the opening: yesterday's writing
      {{2026, 3, 4}, true, {"memo-20260304.mdb"}, {}},   // the end
      {{2026, 3, 5}, true, {"memo-20260305.mdb"}, {}},
      {{2026, 3, 6}, false, {}, {}},
      {{2026, 3, 8}, true, {"memo-20260308.mdb"}, {}},
      {{2026, 3, 9}, false, {}, {}},
      // 2 and 3 March have left the seven days, and 8 March is the newest of their week.
      {{2026, 3, 10}, true, {"memo-20260310.mdb"}, {"memo-20260302.mdb", "memo-20260303.mdb"}},
  };
  Names files;
  for (const auto& day : days) {
    SCOPED_TRACE(DayKey(day.day));
    CBackupKeeper keeper(Dir());
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), true).IsEmpty());
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), true).IsEmpty());
    if (day.writes) Write(DayKey(day.day), "글 " + DayKey(day.day));
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), false).IsEmpty());
    files.insert(files.end(), day.added.begin(), day.added.end());
    for (const std::string& gone : day.removed) files.erase(std::find(files.begin(), files.end(), gone));
    EXPECT_EQ(FilesIn(keeper.Folder()), files);
  }
  EXPECT_EQ(Titles(Dir() + u8"백업" + TestFiles::Separator() + "memo-20260310.mdb"),
            (Names{u8"첫 일기", "글 20260302", "글 20260304", "글 20260305", "글 20260308", "글 20260310"}));
  EXPECT_EQ(CBackupKeeper(Dir()).LastBackupText().Parts(),
            (std::vector<MessageText::Part>{{IDS_BACKUP_LAST_MADE, {"2026", "3", "10", "08:30"}}}));
}

TEST_F(DiaryBackupTest, ARestoreBringsBackWhatWasDeletedAndKeepsThePresentDiary) {
  Write("20260301", u8"남길 글");
  Write("20260302", u8"지울 글");
  CBackupKeeper keeper(Dir());
  EXPECT_EQ(TextIds(keeper.BackUpNow(At({2026, 3, 2}))), std::vector<int>{IDS_BACKUP_MADE});
  Write("20260302", "", true);
  Write("20260303", u8"나중 글");
  for (const char* kept : {u8"memo-20260303-되살리기전.mdb", u8"memo-20260303-되살리기전-2.mdb"}) {
    const MessageText told = keeper.Restore(keeper.Folder() + "memo-20260302.mdb", At({2026, 3, 3}));
    EXPECT_EQ(told.Parts().back(), (MessageText::Part{IDS_RESTORE_KEPT, {keeper.Folder() + kept}}));
    EXPECT_EQ(Titles(Diary()), (Names{u8"남길 글", u8"지울 글"}));
  }
  EXPECT_EQ(Titles(keeper.Folder() + u8"memo-20260303-되살리기전.mdb"), (Names{u8"남길 글", u8"나중 글"}));
  EXPECT_FALSE(TestFiles::Exists(Diary() + ".restore"));
}

TEST_F(DiaryBackupTest, AFileThatIsNoGoodDiaryIsRefusedWithItsReasonAndNothingChanges) {
  Write("20260301", u8"지금 일기");
  const std::string damaged = m_files.Path("damaged.mdb");
  std::filesystem::copy_file(TestFiles::FsPath(Diary()), TestFiles::FsPath(damaged));
  DamagePage(damaged);
  dbtest::RawExec(m_files.Path("other.mdb"), "CREATE TABLE NOTES(text TEXT)");
  TestFiles::Write(m_files.Path("garbage.mdb"), std::string(8192, 'Z'));
  const struct {
    std::string path;
    int reason;
  } rows[] = {{m_files.Path("none.mdb"), IDS_FILE_MISSING},
              {m_files.Path("garbage.mdb"), IDS_FILE_NOT_A_DIARY},
              {m_files.Path("other.mdb"), IDS_FILE_NOT_A_DIARY},
              {damaged, IDS_FILE_DAMAGED}};
  CBackupKeeper keeper(Dir());
  const std::string before = TestFiles::Read(Diary());
  for (const auto& row : rows) {
    const MessageText told = keeper.Restore(row.path, At({2026, 3, 3}));
    ASSERT_GE(told.Parts().size(), 2u) << row.path;
    EXPECT_EQ(told.Parts()[0], (MessageText::Part{IDS_RESTORE_REFUSED, {row.path}}));
    EXPECT_EQ(told.Parts()[1].textId, row.reason) << row.path;
    EXPECT_TRUE(TestFiles::Read(Diary()) == before && FilesIn(keeper.Folder()).empty()) << row.path;
  }
}

// A folder that cannot be made, and a diary whose copy fails its check: told at the openings of a day once,
// never at the program's end; earlier copies and memo.mdb stay as they were.
TEST_F(DiaryBackupTest, AFailedBackupIsToldOnceADayAndLeavesEverythingAsItWas) {
  Write("20260301", u8"일기");
  TestFiles::Write(m_files.Path("a file"), "x");
  for (const int told : {IDS_BACKUP_FOLDER_UNWRITABLE, IDS_BACKUP_COPY_FAILED_CHECK}) {
    CBackupKeeper keeper(Dir());
    if (told == IDS_BACKUP_FOLDER_UNWRITABLE) {
      keeper.ChooseFolder(m_files.Path("a file") + TestFiles::Separator() + "backups");
    } else {
      keeper.ChooseFolder("");
      keeper.BackUpNow(At({2026, 3, 1}));
      DamagePage(Diary());
    }
    const Names filesBefore = FilesIn(keeper.Folder());
    const std::string diaryBefore = TestFiles::Read(Diary());
    const struct {
      int day;
      bool canTell;
      std::vector<int> told;
    } calls[] = {{2, false, {}},
                 {2, true, {told, 0, IDS_BACKUP_TOLD_DAILY}},
                 {2, true, {}},
                 {3, false, {}},
                 {3, true, {told, 0, IDS_BACKUP_TOLD_DAILY}}};
    for (const auto& call : calls)
      EXPECT_EQ(TextIds(keeper.BackUpWhenDue(At({2026, 3, call.day}), call.canTell)), call.told) << told << call.day;
    EXPECT_EQ(TextIds(keeper.BackUpNow(At({2026, 3, 3}))), (std::vector<int>{told, 0}));
    EXPECT_EQ(FilesIn(keeper.Folder()), filesBefore);
    EXPECT_TRUE(TestFiles::Read(Diary()) == diaryBefore);
    EXPECT_EQ(CBackupKeeper(Dir()).Settings().failureTold, CalendarDay({2026, 3, 3})) << "kept for the next start";
  }
}

TEST_F(DiaryBackupTest, TheDamagedDiarysMessageNamesTheNewestBackupOrTheEmptyFolder) {
  Write("20260301", u8"일기");
  CBackupKeeper keeper(Dir());
  keeper.BackUpNow(At({2026, 3, 1}));
  keeper.BackUpNow(At({2026, 3, 2}));
  TestFiles::Write(Diary(), std::string(8192, 'Z'));
  const auto backupPart = [this] {
    CDiaryStore store;
    EXPECT_FALSE(store.OpenDiaryDb(Dir()));
    const MessageText message = store.Unavailable().Message();
    for (const auto& part : message.Parts())
      if (part.textId == IDS_DIARY_BACKUP_NEWEST || part.textId == IDS_DIARY_BACKUP_NONE) return part;
    return MessageText::Part{0, {}};
  };
  EXPECT_EQ(backupPart(), (MessageText::Part{IDS_DIARY_BACKUP_NEWEST, {keeper.Folder() + "memo-20260302.mdb"}}));
  keeper.ChooseFolder(m_files.MakeSubDir("empty"));
  EXPECT_EQ(backupPart(), (MessageText::Part{IDS_DIARY_BACKUP_NONE, {keeper.Folder()}}));
}

}  // namespace
