#include "db/EngineFault.h"

#include <sqlite3.h>

#include "db/JetErrors.h"

EngineFault ClassifyEngineCode(int engineCode) {
  switch (engineCode) {
    case jet::kUnrecognizedFormat:
      return EngineFault::kDamaged;
    case jet::kReadOnly:
      return EngineFault::kNotWritable;
    default:
      break;
  }
  // The layer's own numbers lie above SQLite's primary codes; only SQLite's codes are sorted below.
  if (engineCode >= 3000 && engineCode < 4000) return EngineFault::kOther;
  switch (engineCode & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:  // the journal beside the file cannot be made: the folder is read-only
      return EngineFault::kNotWritable;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return EngineFault::kDamaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return EngineFault::kLocked;
    case SQLITE_FULL:
      return EngineFault::kDiskFull;
    case SQLITE_INTERRUPT:
    case SQLITE_TOOBIG:
      return EngineFault::kTooMuchWork;
    default:
      return EngineFault::kOther;
  }
}

std::string DescribeEngineFault(EngineFault fault, const std::string& file, const std::string& engineText) {
  std::string text;
  switch (fault) {
    case EngineFault::kNotWritable:
      text = file + " 파일에 쓸 수 없습니다. 파일이나 그 폴더가 읽기 전용입니다.\n"
                    "파일과 폴더의 읽기 전용을 풀고 다시 하십시오.";
      break;
    case EngineFault::kDamaged:
      text = file + " 파일이 손상되어 읽을 수 없습니다. 파일은 바꾸지 않았습니다.\n"
                    "백업에서 되살리거나, 파일을 다른 곳으로 옮긴 뒤 프로그램을 다시 여십시오.";
      break;
    case EngineFault::kLocked:
      text = file + " 파일을 다른 프로그램이 사용하고 있습니다.\n"
                    "그 프로그램을 닫은 뒤 다시 하십시오.";
      break;
    case EngineFault::kDiskFull:
      text = file + " 파일이 있는 디스크에 빈 공간이 없습니다.\n"
                    "디스크에 공간을 만든 뒤 다시 하십시오.";
      break;
    case EngineFault::kTooMuchWork:
      text = file + " 파일을 읽는 데 너무 많은 일이나 너무 긴 글이 필요하여 그만두었습니다. 파일은 바꾸지 않았습니다.\n"
                    "믿을 수 있는 곳에서 받은 파일로 바꾸십시오.";
      break;
    case EngineFault::kOther:
      text = file + " 파일을 읽거나 쓰지 못했습니다.";
      break;
  }
  if (!engineText.empty()) text += "\n" + engineText;
  return text;
}
