// A read-only diary file and a read-only program folder, made so with the immutable attribute, which binds
// root too (the suite runs as root in CI); skipped where the attribute cannot be set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/DbTestData.h"
#include "core/TestFiles.h"
#include "diary/DiaryStore.h"
#include "habit/SettingsFile.h"

namespace {

class Immutable {
 public:
  explicit Immutable(std::string path) : m_path(std::move(path)) {
    m_set = std::system(("chattr +i '" + m_path + "' 2>/dev/null").c_str()) == 0;
  }
  ~Immutable() {
    if (m_set) std::system(("chattr -i '" + m_path + "'").c_str());
  }
  Immutable(const Immutable&) = delete;
  Immutable& operator=(const Immutable&) = delete;
  bool IsSet() const { return m_set; }

 private:
  std::string m_path;
  bool m_set = false;
};

TEST(HabitReadOnlyTest, AReadOnlyOldDiaryStillOpensWithoutMarkingAndStaysUnchanged) {
  TestFiles dir;
  const std::string path = dir.Path("memo.mdb");
  dbtest::MakeDiary(path);
  {
    CDaoDatabase db;
    db.Open(path);
    dbtest::AddEntry(db, "20261207", "제목", "묵상", "기도");
  }
  const std::string before = TestFiles::Read(path);
  Immutable readOnly(path);
  if (!readOnly.IsSet()) GTEST_SKIP() << "chattr +i did not work here (it needs root and ext2/3/4)";
  CDiaryStore session;
  ASSERT_TRUE(session.OpenDiaryDb(dir.ProgramDir()));
  EXPECT_TRUE(session.HasEntry("20261207"));
  EXPECT_FALSE(session.CanMark());
  session.SetMarked({2026, 12, 7}, true);
  EXPECT_EQ(session.Marks().Size(), 0u);
  session.Release();
  EXPECT_TRUE(TestFiles::Read(path) == before);
}

TEST(HabitReadOnlyTest, SettingsInAReadOnlyFolderAreReportedAndTheOldFileStays) {
  TestFiles dir;
  HabitSettings old;
  old.reminderTime = {6, 0};
  ASSERT_TRUE(WriteSettingsFile(dir.ProgramDir(), old).written);
  Immutable readOnly(dir.ProgramDir());
  if (!readOnly.IsSet()) GTEST_SKIP() << "chattr +i did not work here (it needs root and ext2/3/4)";
  HabitSettings changed;
  changed.reminderOn = true;
  const SettingsWriting writing = WriteSettingsFile(dir.ProgramDir(), changed);
  EXPECT_FALSE(writing.written);
  EXPECT_FALSE(writing.Message().IsEmpty());
  EXPECT_EQ(ReadSettingsFile(dir.ProgramDir()).settings, old);
}

}  // namespace
