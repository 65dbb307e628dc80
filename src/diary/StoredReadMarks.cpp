#include "diary/StoredReadMarks.h"

#include <filesystem>
#include <system_error>

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "diary/ReadMarkStore.h"
#include "base/FilePath.h"
#include "base/ProgramFiles.h"

std::optional<ReadMarks> ReadStoredMarks(const std::string& programDir) {
  // The diary's file name, as the diary store makes it.
  const std::string path = DiaryFilePath(programDir);
  std::error_code error;
  const bool present = std::filesystem::exists(FileSystemPath(path), error);
  if (error) return std::nullopt;
  if (!present) return ReadMarks{};
  try {
    CDaoDatabase database;
    database.Open(path, false, true);
    if (!CReadMarkStore::HasTable(database)) return ReadMarks{};
    return CReadMarkStore::ReadAll(database);
  } catch (const CDaoException&) {
    return std::nullopt;
  }
}
