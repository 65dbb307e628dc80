// memo.mdb and every backup must stay whole when the process dies at any moment of a backup or a restore.
// A child process backs up and restores in a loop and is killed at random; the parent checks every file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "core/DbTestData.h"
#include "core/TestFiles.h"
#include "diary/DiaryBackup.h"

namespace {

constexpr int kEntries = 1500;
constexpr int kRounds = 40;

int EntryCount(const std::string& path) {
  CDaoDatabase db;
  db.Open(path, false, true);
  return static_cast<int>(dbtest::Column(db, "SELECT keydate FROM VESPERAL", "keydate").size());
}

// A backup of the day and a restore from the newest copy; every copy holds the same entries.
void Cycle(const std::string& diary, const std::string& folder, const CalendarDay& day) {
  MakeDiaryBackup(diary, folder, day);
  const auto copies = ListBackups(folder);
  if (!copies.empty()) RestoreDiary(diary, copies.back().path, folder, day);
}

}  // namespace

TEST(DiaryBackupCrash, KilledBackupsAndRestoresLeaveTheDiaryAndEveryCopyWhole) {
  TestFiles dir;
  const std::string diary = dir.Path("memo.mdb"), folder = dir.MakeSubDir("backups");
  dbtest::MakeDiary(diary);
  std::string sql = "BEGIN;";
  for (int i = 0; i < kEntries; ++i)
    sql += "INSERT INTO VESPERAL VALUES('" + std::to_string(19000000 + i) + "', 't', printf('%.*c', 1000, 'm'), 'p');";
  dbtest::RawExec(diary, sql + "COMMIT;");
  const CalendarDay first{2026, 3, 1};
  const auto start = std::chrono::steady_clock::now();
  Cycle(diary, folder, first);
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  int cutShort = 0;  // kills that left a copy unfinished
  for (int round = 0; round < kRounds; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
      for (long n = round;; ++n) Cycle(diary, folder, DayOfNumber(DayNumber(first) + n % 12));
    usleep(static_cast<useconds_t>(std::uniform_int_distribution<long>(0, span.count() * 3)(random)));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_TRUE(CheckDiaryFile(diary).IsGood());
    EXPECT_EQ(EntryCount(diary), kEntries);
    bool cut = TestFiles::Exists(diary + ".restore");
    for (const auto& entry : std::filesystem::directory_iterator(TestFiles::FsPath(folder))) {
      const std::string path = entry.path().u8string();
      if (entry.path().extension() != ".mdb") {
        cut = true;  // never taken for a backup
        continue;
      }
      EXPECT_TRUE(CheckDiaryFile(path).IsGood()) << path;
      EXPECT_EQ(EntryCount(path), kEntries) << path;
      // The diaries kept before each restore would fill the disk; each is checked once.
      if (path.find(u8"되살리기전") != std::string::npos) std::filesystem::remove(entry.path());
    }
    cutShort += cut ? 1 : 0;
  }
  std::printf("a backup and a restore took %lld ms; %d of %d kills cut a copy short\n",
              static_cast<long long>(span.count() / 1000), cutShort, kRounds);
}
