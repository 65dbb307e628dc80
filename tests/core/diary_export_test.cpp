// The export file: trimming, line ends, the layout of one entry and of all entries byte by byte, the
// ".txt" rule, and a file that cannot be created.
#include <gtest/gtest.h>

#include <string>

#include "DbTestData.h"
#include "TestFiles.h"
#include "diary/DiaryExport.h"

TEST(DiaryExportText, TrailingWhiteSpaceGoesWithoutCuttingADoubleByteCharacter) {
  const struct {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"", ""},
      {" \t\r\n\v\f", ""},
      {"기도 \r\n\r\n  \t", "기도"},
      {"a\r\nb  ", "a\r\nb"},
      {"똠", "똠"},  // trail byte 0x63 is a letter, never white space
      {"  앞 공백", "  앞 공백"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimTrailingWhiteSpace(c.text), c.trimmed) << c.text;
}

TEST(DiaryExportText, EveryLineEndBecomesCrLf) {
  const struct {
    const char* text;
    const char* crlf;
  } cases[] = {{"a\r\nb", "a\r\nb"}, {"a\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\r\r\nb", "a\r\n\r\nb"}, {"ab", "ab"},
                 {"", ""}, {"\n", "\r\n"}, {"\r", "\r\n"}, {"\n\r", "\r\n\r\n"}, {"\r\nab\r", "\r\nab\r\n"}};
  for (const auto& c : cases) EXPECT_EQ(ToCrLf(c.text), c.crlf) << c.text;
}

TEST(DiaryExportText, TxtIsAppendedUnlessTheLastThreeBytesReadTxt) {
  const struct {
    const char* name;
    const char* path;
  } cases[] = {{"diary", "diary.txt"},       {"notes.TXT", "notes.TXT"}, {"mytxt", "mytxt"},
               {"notes.tx", "notes.tx.txt"}, {"일기.txt", "일기.txt"},   {"tx", "tx.txt"}};
  for (const auto& c : cases) EXPECT_EQ(WithTxtExtension(c.name), c.path) << c.name;
}

class DiaryExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbtest::MakeDiary(m_dbPath);
    m_db.Open(m_dbPath);
    dbtest::AddEntry(m_db, "20000305", "봄날의 감사", "a\r\nb", "주님 \r\n\r\n  \r\n");
    dbtest::AddEntry(m_db, "19991231", "x", "한 해를 보내며", "은혜");
  }
  TestFiles m_dir;
  std::string m_dbPath = m_dir.Path("memo.mdb");
  CDaoDatabase m_db;
};

TEST_F(DiaryExportTest, OneEntryAndAllEntriesAreWrittenByteForByte) {
  const std::string march =
      "날짜 : 2000년  3월  5일\r\n\r\n제목 : 봄날의 감사\r\n\r\n묵상 : a\r\nb\r\n\r\n기도 : 주님\r\n\r\n\r\n\r\n";
  const std::string december =
      "날짜 : 1999년 12월 31일\r\n\r\n제목 : \r\n\r\n묵상 : 한 해를 보내며\r\n\r\n기도 : 은혜\r\n\r\n\r\n\r\n";
  const struct {
    bool all;
    std::string bytes;
  } cases[] = {{false, march}, {true, december + march}};
  for (const auto& c : cases) {
    const std::string path = m_dir.Path(c.all ? "all.txt" : "one.txt");
    CDaoRecordset set(&m_db);
    EXPECT_EQ(WriteDiaryExport(set, c.all, "20000305", path), ExportOutcome::kWritten);
    EXPECT_FALSE(set.IsOpen());
    EXPECT_EQ(TestFiles::Read(path), c.bytes);
  }
}

TEST_F(DiaryExportTest, APathThatCannotBeCreatedWritesNothing) {
  const std::string path = m_dir.Path("no-such-folder") + TestFiles::Separator() + "x.txt";
  CDaoRecordset set(&m_db);
  EXPECT_EQ(WriteDiaryExport(set, true, "20000305", path), ExportOutcome::kCannotCreate);
  EXPECT_FALSE(set.IsOpen());
  EXPECT_FALSE(TestFiles::Exists(path));
}
