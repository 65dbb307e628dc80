// The diary's backups and their restore on real files: the copies that days of use leave, a restore that
// brings back what was deleted since, what is refused and what is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "DbTestData.h"
#include "HabitPrinters.h"
#include "TestFiles.h"
#include "diary/BackupKeeper.h"
#include "diary/DiaryStore.h"
#include "res/TextIds.h"

namespace {

LocalTime At(const CalendarDay& day) { return LocalTime{day, 8 * 3600 + 30 * 60}; }

std::vector<int> TextIds(const MessageText& message) {
  std::vector<int> ids;
  for (const auto& part : message.Parts()) ids.push_back(part.textId);
  return ids;
}

class DiaryBackupTest : public ::testing::Test {
 protected:
  std::string Dir() const { return m_files.ProgramDir(); }
  std::string DiaryPath() const { return Dir() + "memo.mdb"; }
  void Write(const std::string& key, const std::string& title) {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(Dir()));
    store.WriteEntry(key, title, u8"묵상", u8"기도");
  }
  void Delete(const std::string& key) {
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(Dir()));
    store.DeleteEntry(key);
  }
  // The titles of the diary at `path`, by date.
  static std::vector<std::string> Titles(const std::string& path) {
    CDaoDatabase db;
    db.Open(path, false, true);
    return dbtest::Column(db, "SELECT memo1 FROM VESPERAL ORDER BY keydate", "memo1");
  }
  std::vector<std::string> FilesIn(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(TestFiles::FsPath(folder), error))
      names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TestFiles m_files;
};

// Each day the diary opens, is perhaps written, and the program ends: the day's backup is made at the
// first of these two moments at which the diary differs from the last backup.
TEST_F(DiaryBackupTest, DaysOfUseLeaveACopyOfEachChangedDayThinnedByTheRule) {
  Write("20260301", u8"첫 일기");
  const struct {
    CalendarDay day;
    bool writes;
    std::vector<std::string> files;  // the backup folder after the day
  } days[] = {
      {{2026, 3, 2}, true, {"memo-20260302.mdb"}},                        // the first opening: never backed up
      {{2026, 3, 3}, false, {"memo-20260302.mdb", "memo-20260303.mdb"}},  // the opening: yesterday's writing
      {{2026, 3, 4}, true, {"memo-20260302.mdb", "memo-20260303.mdb", "memo-20260304.mdb"}},  // the end
      {{2026, 3, 5}, true, {"memo-20260302.mdb", "memo-20260303.mdb", "memo-20260304.mdb", "memo-20260305.mdb"}},
      {{2026, 3, 6}, false, {"memo-20260302.mdb", "memo-20260303.mdb", "memo-20260304.mdb", "memo-20260305.mdb"}},
      {{2026, 3, 8},
       true,
       {"memo-20260302.mdb", "memo-20260303.mdb", "memo-20260304.mdb", "memo-20260305.mdb", "memo-20260308.mdb"}},
      {{2026, 3, 9},
       false,
       {"memo-20260302.mdb", "memo-20260303.mdb", "memo-20260304.mdb", "memo-20260305.mdb", "memo-20260308.mdb"}},
      // A new copy thins the rest: 2 and 3 March have left the seven days, and 8 March is their week's newest.
      {{2026, 3, 10}, true, {"memo-20260304.mdb", "memo-20260305.mdb", "memo-20260308.mdb", "memo-20260310.mdb"}},
  };
  for (const auto& day : days) {
    SCOPED_TRACE(DayKey(day.day));
    CBackupKeeper keeper(Dir());  // a new start of the program each day
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), true).IsEmpty());
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), true).IsEmpty());
    if (day.writes) Write(DayKey(day.day), "글 " + DayKey(day.day));
    EXPECT_TRUE(keeper.BackUpWhenDue(At(day.day), false).IsEmpty());
    EXPECT_EQ(FilesIn(keeper.Folder()), day.files);
  }
  const std::string folder = Dir() + u8"백업" + TestFiles::Separator();
  EXPECT_EQ(Titles(folder + "memo-20260310.mdb"),
            (std::vector<std::string>{u8"첫 일기", "글 20260302", "글 20260304", "글 20260305", "글 20260308",
                                      "글 20260310"}));
  CBackupKeeper keeper(Dir());
  EXPECT_EQ(keeper.Settings().last, At({2026, 3, 10}));
  EXPECT_EQ(keeper.LastBackupText().Parts(),
            (std::vector<MessageText::Part>{{IDS_BACKUP_LAST_MADE, {"2026", "3", "10", "08:30"}}}));
}

TEST_F(DiaryBackupTest, ARestoreBringsBackWhatWasDeletedAndKeepsThePresentDiary) {
  Write("20260301", u8"남길 글");
  Write("20260302", u8"지울 글");
  CBackupKeeper keeper(Dir());
  EXPECT_EQ(TextIds(keeper.BackUpNow(At({2026, 3, 2}))), std::vector<int>{IDS_BACKUP_MADE});
  const std::string backup = keeper.Folder() + "memo-20260302.mdb";
  Delete("20260302");
  Write("20260303", u8"나중 글");

  for (const char* kept : {u8"memo-20260303-되살리기전.mdb", u8"memo-20260303-되살리기전-2.mdb"}) {
    SCOPED_TRACE(kept);
    const MessageText told = keeper.Restore(backup, At({2026, 3, 3}));
    EXPECT_EQ(TextIds(told), (std::vector<int>{IDS_RESTORE_DONE, IDS_RESTORE_KEPT}));
    EXPECT_EQ(told.Parts()[1].values, std::vector<std::string>{keeper.Folder() + kept});
    EXPECT_EQ(Titles(DiaryPath()), (std::vector<std::string>{u8"남길 글", u8"지울 글"}));
    EXPECT_FALSE(TestFiles::Exists(DiaryPath() + ".restore"));
  }
  EXPECT_EQ(Titles(keeper.Folder() + u8"memo-20260303-되살리기전.mdb"),
            (std::vector<std::string>{u8"남길 글", u8"나중 글"}));
}

TEST_F(DiaryBackupTest, AFileThatIsNoGoodDiaryIsRefusedWithItsReasonAndNothingChanges) {
  Write("20260301", u8"지금 일기");
  CBackupKeeper keeper(Dir());
  const std::string damagedPage = m_files.Path("damaged.mdb");
  std::filesystem::copy_file(TestFiles::FsPath(DiaryPath()), TestFiles::FsPath(damagedPage));
  std::string bytes = TestFiles::Read(damagedPage);
  for (size_t i = 4096; i < 4096 + 64; ++i) bytes[i] = '\x7f';  // the diary table's first page
  TestFiles::Write(damagedPage, bytes);
  dbtest::RawExec(m_files.Path("other.mdb"), "CREATE TABLE NOTES(text TEXT)");
  TestFiles::Write(m_files.Path("garbage.mdb"), std::string(8192, 'Z'));
  const struct {
    const char* name;
    std::string path;
    int reason;
  } rows[] = {
      {"a missing file", m_files.Path("none.mdb"), IDS_FILE_MISSING},
      {"garbage bytes", m_files.Path("garbage.mdb"), IDS_FILE_NOT_A_DIARY},
      {"a database without the diary's table", m_files.Path("other.mdb"), IDS_FILE_NOT_A_DIARY},
      {"a diary with a damaged page", damagedPage, IDS_FILE_DAMAGED},
  };
  const std::string before = TestFiles::Read(DiaryPath());
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const MessageText told = keeper.Restore(row.path, At({2026, 3, 3}));
    ASSERT_GE(told.Parts().size(), 2u);
    EXPECT_EQ(told.Parts()[0], (MessageText::Part{IDS_RESTORE_REFUSED, {row.path}}));
    EXPECT_EQ(told.Parts()[1].textId, row.reason);
    EXPECT_TRUE(TestFiles::Read(DiaryPath()) == before);
    EXPECT_TRUE(FilesIn(keeper.Folder()).empty());
    EXPECT_FALSE(TestFiles::Exists(DiaryPath() + ".restore"));
  }
}

// A folder that cannot be made, and a diary whose copy fails its check: told at the first opening of a day
// only, never at the program's end; earlier copies and memo.mdb stay as they were.
TEST_F(DiaryBackupTest, AFailedBackupIsToldOnceADayAndLeavesEverythingAsItWas) {
  Write("20260301", u8"일기");
  const struct {
    const char* name;
    int told;
  } kinds[] = {{"a folder that cannot be made", IDS_BACKUP_FOLDER_UNWRITABLE},
               {"a copy that fails its check", IDS_BACKUP_COPY_FAILED_CHECK}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    CBackupKeeper keeper(Dir());
    if (kind.told == IDS_BACKUP_FOLDER_UNWRITABLE) {
      TestFiles::Write(m_files.Path("a file"), "x");
      keeper.ChooseFolder(m_files.Path("a file") + TestFiles::Separator() + "backups");
    } else {
      keeper.ChooseFolder("");
      ASSERT_EQ(TextIds(keeper.BackUpNow(At({2026, 3, 1}))), std::vector<int>{IDS_BACKUP_MADE});
      std::string bytes = TestFiles::Read(DiaryPath());
      for (size_t i = 4096; i < 4096 + 64; ++i) bytes[i] = '\x7f';
      TestFiles::Write(DiaryPath(), bytes);
      // Written later than the backup, as a change would be (file times may count whole seconds only).
      const auto path = TestFiles::FsPath(DiaryPath());
      std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::hours(1));
    }
    const std::vector<std::string> filesBefore = FilesIn(keeper.Folder());
    const std::string diaryBefore = TestFiles::Read(DiaryPath());
    const struct {
      CalendarDay day;
      bool canTell;
      std::vector<int> told;
    } calls[] = {
        {{2026, 3, 2}, false, {}},
        {{2026, 3, 2}, true, {kind.told, 0, IDS_BACKUP_TOLD_DAILY}},
        {{2026, 3, 2}, true, {}},
        {{2026, 3, 3}, false, {}},
        {{2026, 3, 3}, true, {kind.told, 0, IDS_BACKUP_TOLD_DAILY}},
    };
    for (const auto& call : calls)
      EXPECT_EQ(TextIds(keeper.BackUpWhenDue(At(call.day), call.canTell)), call.told) << DayKey(call.day);
    EXPECT_EQ(TextIds(keeper.BackUpNow(At({2026, 3, 3}))), (std::vector<int>{kind.told, 0}));
    EXPECT_EQ(FilesIn(keeper.Folder()), filesBefore);
    EXPECT_TRUE(TestFiles::Read(DiaryPath()) == diaryBefore);
    EXPECT_EQ(CBackupKeeper(Dir()).Settings().failureTold, CalendarDay({2026, 3, 3})) << "kept for the next start";
  }
}

TEST_F(DiaryBackupTest, TheDamagedDiarysMessageNamesTheNewestBackupOrTheEmptyFolder) {
  Write("20260301", u8"일기");
  CBackupKeeper keeper(Dir());
  keeper.BackUpNow(At({2026, 3, 1}));
  keeper.BackUpNow(At({2026, 3, 2}));
  TestFiles::Write(DiaryPath(), std::string(8192, 'Z'));
  const auto backupPart = [this] {
    CDiaryStore store;
    EXPECT_FALSE(store.OpenDiaryDb(Dir()));
    const MessageText message = store.Unavailable().Message();
    for (const auto& part : message.Parts())
      if (part.textId == IDS_DIARY_BACKUP_NEWEST || part.textId == IDS_DIARY_BACKUP_NONE) return part;
    return MessageText::Part{0, {}};
  };
  EXPECT_EQ(backupPart(), (MessageText::Part{IDS_DIARY_BACKUP_NEWEST, {keeper.Folder() + "memo-20260302.mdb"}}));
  const std::string empty = m_files.MakeSubDir("empty");
  keeper.ChooseFolder(empty);
  EXPECT_EQ(backupPart(), (MessageText::Part{IDS_DIARY_BACKUP_NONE, {empty}}));
}

}  // namespace
