// The engine's failures a user can meet, sorted into faults and told in Korean with the file.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "db/Cp949.h"
#include "db/EngineFault.h"
#include "db/JetErrors.h"

namespace {

TEST(EngineFault, SqliteAndLayerCodesSortIntoWhatTheUserCanDo) {
  const struct {
    int code;
    EngineFault fault;
  } cases[] = {
      {SQLITE_READONLY, EngineFault::kNotWritable},      {SQLITE_READONLY_DBMOVED, EngineFault::kNotWritable},
      {SQLITE_PERM, EngineFault::kNotWritable},          {SQLITE_CANTOPEN, EngineFault::kNotWritable},
      {jet::kReadOnly, EngineFault::kNotWritable},       {SQLITE_CORRUPT, EngineFault::kDamaged},
      {SQLITE_CORRUPT_INDEX, EngineFault::kDamaged},     {SQLITE_NOTADB, EngineFault::kDamaged},
      {jet::kUnrecognizedFormat, EngineFault::kDamaged}, {SQLITE_BUSY, EngineFault::kLocked},
      {SQLITE_BUSY_SNAPSHOT, EngineFault::kLocked},      {SQLITE_LOCKED, EngineFault::kLocked},
      {SQLITE_FULL, EngineFault::kDiskFull},             {SQLITE_INTERRUPT, EngineFault::kTooMuchWork},
      {SQLITE_TOOBIG, EngineFault::kTooMuchWork},        {SQLITE_IOERR_WRITE, EngineFault::kOther},
      {SQLITE_CONSTRAINT, EngineFault::kOther},          {jet::kFileNotFound, EngineFault::kOther},
      {jet::kSyntaxError, EngineFault::kOther},          {0, EngineFault::kOther},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyEngineCode(c.code), c.fault) << c.code;
}

TEST(EngineFault, MessageNamesTheFileSaysWhatToDoAndEndsWithTheEngineText) {
  const std::string file = Utf8ToCp949(u8"C:\\읽기\\memo.mdb");
  const struct {
    EngineFault fault;
    const char* says;  // UTF-8
  } cases[] = {
      {EngineFault::kNotWritable, u8"파일에 쓸 수 없습니다. 파일이나 그 폴더가 읽기 전용입니다."},
      {EngineFault::kDamaged, u8"파일이 손상되어 읽을 수 없습니다. 파일은 바꾸지 않았습니다."},
      {EngineFault::kLocked, u8"파일을 다른 프로그램이 사용하고 있습니다."},
      {EngineFault::kDiskFull, u8"파일이 있는 디스크에 빈 공간이 없습니다."},
      {EngineFault::kTooMuchWork, u8"너무 많은 일이나 너무 긴 글이 필요하여 그만두었습니다."},
      {EngineFault::kOther, u8"파일을 읽거나 쓰지 못했습니다."},
  };
  for (const auto& c : cases) {
    const std::string text = Cp949ToUtf8(DescribeEngineFault(c.fault, file, "attempt to write a readonly database"));
    EXPECT_EQ(text.rfind(u8"C:\\읽기\\memo.mdb ", 0), 0u) << text;
    EXPECT_NE(text.find(c.says), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "attempt to write a readonly database") << text;
    EXPECT_EQ(Cp949ToUtf8(DescribeEngineFault(c.fault, file)).find("attempt"), std::string::npos);
  }
}

}  // namespace
