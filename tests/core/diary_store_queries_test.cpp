// The diary store's search and export over one diary, and what they do without one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "diary/DiaryStore.h"

namespace {

using Keys = std::vector<std::string>;

std::string ReadFile(const std::string& cp949Path) {
  std::ifstream in(TestFiles::FsPath(cp949Path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(DiaryStoreQueries, WithoutADiaryNothingIsFoundOrWritten) {
  TestFiles dir;
  CDiaryStore session;  // never opened, as when memo.mdb could not be used
  EXPECT_FALSE(session.HasDiary());
  EXPECT_FALSE(session.HasEntry("20260305"));
  EXPECT_EQ(Keys{}, session.Search({true, true, true, "a"}));
  const std::string path = dir.Path("out.txt");
  EXPECT_EQ(ExportOutcome::kWriteFailed, session.Export(true, "20260305", path));
  EXPECT_FALSE(std::filesystem::exists(TestFiles::FsPath(path)));
}

TEST(DiaryStoreQueries, WritesSearchesDeletesAndExportsThroughOneDiary) {
  TestFiles dir;
  CDiaryStore session;
  ASSERT_TRUE(session.OpenDiaryDb(dir.ProgramDir()));
  ASSERT_TRUE(session.HasDiary());
  session.WriteEntry("20260601", "grace", "m", "p");
  session.WriteEntry("20260105", "more grace", "", "");
  session.WriteEntry("20260302", "other", "", "");
  EXPECT_TRUE(session.HasEntry("20260601"));
  // In date order, not in the order written.
  EXPECT_EQ((Keys{"20260105", "20260601"}), session.Search({true, false, false, "grace"}));

  session.DeleteEntry("20260105");
  EXPECT_FALSE(session.HasEntry("20260105"));
  EXPECT_EQ(Keys{"20260601"}, session.Search({true, false, false, "grace"}));

  const std::string path = dir.Path("one.txt");
  ASSERT_EQ(ExportOutcome::kWritten, session.Export(false, "20260302", path));
  const std::string written = ReadFile(path);
  EXPECT_NE(std::string::npos, written.find("other"));
  EXPECT_EQ(std::string::npos, written.find("grace"));
  session.Release();
  EXPECT_FALSE(session.HasDiary());
}
