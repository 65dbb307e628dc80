// The engine's failures a user can meet, sorted into faults and told with the file; the texts themselves
// are checked where they are loaded, in the window tests.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "db/ClassifyFault.h"
#include "base/FaultText.h"
#include "db/JetErrors.h"
#include "base/MessageText.h"
#include "res/TextIds.h"

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

TEST(EngineFault, MessageNamesTheFileInTheFaultsTextAndEndsWithTheEngineText) {
  const std::string file = u8"C:\\읽기\\memo.mdb";
  const struct {
    EngineFault fault;
    int textId;
  } cases[] = {
      {EngineFault::kNotWritable, IDS_FAULT_NOT_WRITABLE}, {EngineFault::kDamaged, IDS_FAULT_DAMAGED},
      {EngineFault::kLocked, IDS_FAULT_LOCKED},            {EngineFault::kDiskFull, IDS_FAULT_DISK_FULL},
      {EngineFault::kTooMuchWork, IDS_FAULT_TOO_MUCH_WORK}, {EngineFault::kOther, IDS_FAULT_OTHER},
  };
  using Parts = std::vector<MessageText::Part>;
  for (const auto& c : cases) {
    EXPECT_EQ(DescribeEngineFault(c.fault, file, "attempt to write a readonly database").Parts(),
              (Parts{{c.textId, {file}}, {0, {"\nattempt to write a readonly database"}}}));
    EXPECT_EQ(DescribeEngineFault(c.fault, file).Parts(), (Parts{{c.textId, {file}}}));
  }
}

TEST(MessageText, ValuesFillTheMarksInOrderAndAreTakenAsTheyAre) {
  const struct {
    const char* pattern;
    std::vector<std::string> values;
    const char* text;
  } cases[] = {
      {"%s 파일", {"C:\\a.txt"}, "C:\\a.txt 파일"},
      {"%s와 %s", {"1", "2"}, "1와 2"},
      {"%s, %s", {"%s"}, "%s, %s"},  // a value is not filled again; a mark without a value stays
      {"100% %s", {"x"}, "100% x"},
      {"끝%", {"x"}, "끝%"},
  };
  for (const auto& c : cases) EXPECT_EQ(FillText(c.pattern, c.values), c.text) << c.pattern;

  const MessageText message = MessageText(7, {"a"}).ThenVerbatim(" %s").Then(MessageText(8));
  EXPECT_EQ(message.Render([](int id) { return id == 7 ? std::string("<%s>") : std::string("[8]"); }), "<a> %s[8]");
}

}  // namespace
