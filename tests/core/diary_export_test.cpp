// The export file: trimming, line ends, the layout of one entry and of all entries byte by byte, the
// ".txt" rule, and a file that cannot be created.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "DbTestData.h"
#include "TestFiles.h"
#include "db/Cp949.h"
#include "diary/DiaryExport.h"

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

std::string Entry(const std::string& date, const std::string& title, const std::string& meditation,
                  const std::string& prayer) {
  return "날짜 : " + date + "\r\n\r\n제목 : " + title + "\r\n\r\n묵상 : " + meditation + "\r\n\r\n기도 : " + prayer +
         "\r\n\r\n\r\n\r\n";
}

}  // namespace

TEST(DiaryExportText, TrailingWhiteSpaceGoesWithoutCuttingACharacter) {
  const struct {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"", ""},
      {" \t\r\n\v\f", ""},
      {"기도 \r\n\r\n  \t", "기도"},
      {"a\r\nb  ", "a\r\nb"},
      {"  앞 공백", "  앞 공백"},
      {"기도 \U0001F64F \r\n", "기도 \U0001F64F"},
      {"\u1112\u119E\u11AB\t", "\u1112\u119E\u11AB"},
      {"\u3400\u3000", "\u3400\u3000"},  // the ideographic space is a character, kept as before
      {"Москва \n", "Москва"},
      {"Ærøskøbing\u00A0", "Ærøskøbing\u00A0"},  // no-break space ends in 0xA0, no white-space byte
  };
  for (const auto& c : cases) EXPECT_EQ(TrimTrailingWhiteSpace(c.text), c.trimmed) << c.text;
}

TEST(DiaryExportText, EveryLineEndBecomesCrLf) {
  const struct {
    const char* text;
    const char* crlf;
  } cases[] = {{"a\r\nb", "a\r\nb"}, {"a\nb", "a\r\nb"},
               {"a\rb", "a\r\nb"},   {"a\r\r\nb", "a\r\n\r\nb"},
               {"ab", "ab"},         {"", ""},
               {"\n", "\r\n"},       {"\r", "\r\n"},
               {"\n\r", "\r\n\r\n"}, {"\r\nab\r", "\r\nab\r\n"}};
  for (const auto& c : cases) EXPECT_EQ(ToCrLf(c.text), c.crlf) << c.text;
}

TEST(DiaryExportText, TxtIsAppendedUnlessTheLastThreeCharactersReadTxt) {
  const struct {
    const char* name;
    const char* path;
  } cases[] = {{"diary", "diary.txt"},
               {"notes.TXT", "notes.TXT"},
               {"mytxt", "mytxt"},
               {"notes.tx", "notes.tx.txt"},
               {"일기.txt", "일기.txt"},
               {"tx", "tx.txt"},
               {"일기txt", "일기txt"},
               {"일기TxT", "일기TxT"},
               {"일기ТХТ", "일기ТХТ.txt"},        // Cyrillic Te Ha Te
               {"일기ｔｘｔ", "일기ｔｘｔ.txt"},  // full-width letters
               {"\U0001F64F", "\U0001F64F.txt"},
               {"tx\U0001F64F", "tx\U0001F64F.txt"}};
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

// Entries of code page 949 characters only are written in code page 949, as the export has always been.
TEST_F(DiaryExportTest, OneEntryAndAllEntriesAreWrittenByteForByte) {
  const std::string march = Utf8ToCp949(
      "날짜 : 2000년  3월  5일\r\n\r\n제목 : 봄날의 감사\r\n\r\n묵상 : a\r\nb\r\n\r\n기도 : 주님\r\n\r\n\r\n\r\n");
  const std::string december = Utf8ToCp949(
      "날짜 : 1999년 12월 31일\r\n\r\n제목 : \r\n\r\n묵상 : 한 해를 보내며\r\n\r\n기도 : 은혜\r\n\r\n\r\n\r\n");
  ASSERT_EQ(march.substr(0, 7), "\xB3\xAF\xC2\xA5 : ");  // 날짜 in code page 949
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

// Entries written in code page 949 before the first character outside it are rewritten in UTF-8.
TEST_F(DiaryExportTest, ALongExportTurnsUtf8AtItsLastEntry) {
  std::string sql = "BEGIN;", expected = kByteOrderMark;
  for (int i = 0; i < 600; ++i) {  // some 150 KB: the file has been written to before the last entry
    const int year = 1900 + i / 336, month = 1 + i % 336 / 28, day = 1 + i % 28;
    char key[16], date[32];
    std::snprintf(key, sizeof key, "%04d%02d%02d", year, month, day);
    std::snprintf(date, sizeof date, "%4d년 %2d월 %2d일", year, month, day);
    const std::string title = "일기 " + std::to_string(i) + " " + std::string(200, '.');
    sql += "INSERT INTO VESPERAL VALUES('" + std::string(key) + "', '" + title + "', 'x', 'x');";
    expected += Entry(date, title, "", "");
  }
  dbtest::RawExec(m_dbPath, sql + "INSERT INTO VESPERAL VALUES('20270101', 'x', '\U0001F64F', 'x'); COMMIT;");
  expected += Entry("1999년 12월 31일", "", "한 해를 보내며", "은혜") +
              Entry("2000년  3월  5일", "봄날의 감사", "a\r\nb", "주님") +
              Entry("2027년  1월  1일", "", "\U0001F64F", "");
  const std::string path = m_dir.Path("long.txt");
  CDaoRecordset set(&m_db);
  EXPECT_EQ(WriteDiaryExport(set, true, "", path), ExportOutcome::kWritten);
  EXPECT_EQ(TestFiles::Read(path), expected);
}

#ifndef _WIN32
// /dev/full takes the file's creation but no byte of it, as a full disk does.
TEST_F(DiaryExportTest, BytesThatDoNotReachAFullDiskAreAFailure) {
  if (!TestFiles::Exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  CDaoRecordset set(&m_db);
  EXPECT_EQ(WriteDiaryExport(set, true, "20000305", "/dev/full"), ExportOutcome::kWriteFailed);
  EXPECT_FALSE(set.IsOpen());
}
#endif

// One character outside code page 949 makes the whole export UTF-8 after a byte order mark; an export
// without one stays code page 949, even when other dates of the diary hold such characters.
TEST_F(DiaryExportTest, AnExportWithACharacterOutsideCodePage949IsUtf8WithAByteOrderMark) {
  const std::string prayer = "\U0001F64F \u1112\u119E\u11AB \u3400";
  dbtest::AddEntry(m_db, "20260101", "Ærøskøbing", "Москва\n", prayer + " \r\n");
  dbtest::AddEntry(m_db, "20260102", "Ærøskøbing", "Москва", "x");
  const std::string newYear = Entry("2026년  1월  1일", "Ærøskøbing", "Москва", prayer);
  const std::string december = Entry("1999년 12월 31일", "", "한 해를 보내며", "은혜");
  const std::string march = Entry("2000년  3월  5일", "봄날의 감사", "a\r\nb", "주님");
  const std::string secondDay = Entry("2026년  1월  2일", "Ærøskøbing", "Москва", "");
  const struct {
    bool all;
    const char* key;
    std::string bytes;
  } cases[] = {
      {false, "20260101", kByteOrderMark + newYear},
      {true, "20000305", kByteOrderMark + december + march + newYear + secondDay},
      {false, "20000305", Utf8ToCp949(march)},
      {false, "20260102", Utf8ToCp949(secondDay)},  // Latin and Cyrillic letters are in code page 949
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const std::string path = m_dir.Path("export.txt");
    CDaoRecordset set(&m_db);
    EXPECT_EQ(WriteDiaryExport(set, c.all, c.key, path), ExportOutcome::kWritten);
    EXPECT_EQ(TestFiles::Read(path), c.bytes);
  }
}
