#include "diary/DiaryBackup.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "base/FilePath.h"
#include "db/JetErrors.h"
#include "db/SchemaCheck.h"
#include "db/SqliteBackup.h"
#include "db/SqliteConnection.h"
#include "diary/BackupRules.h"
#include "diary/DiaryTable.h"
#include "res/FolderNames.h"

namespace {

using Result = BackupOutcome::Result;

// The files SQLite keeps beside a database while it writes: they belong to that file alone.
const char* const kCompanions[] = {"-journal", "-wal", "-shm"};

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(path), error));
}

void RemoveWithCompanions(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(FileSystemPath(path), ignored);
  for (const char* companion : kCompanions) std::filesystem::remove(FileSystemPath(path + companion), ignored);
}

bool Rename(const std::string& from, const std::string& to, std::string& why) {
  std::error_code error;
  std::filesystem::rename(FileSystemPath(from), FileSystemPath(to), error);
  if (error) why = error.message();
  return !error;
}

DiaryFileFault FaultOfCode(int engineCode) {
  if (engineCode == jet::kFileNotFound) return DiaryFileFault::kMissing;
  if (engineCode == jet::kUnrecognizedFormat || (engineCode & 0xFF) == SQLITE_NOTADB) return DiaryFileFault::kNotADiary;
  switch (engineCode & 0xFF) {
    case SQLITE_CORRUPT:
      return DiaryFileFault::kDamaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return DiaryFileFault::kLocked;
    default:
      return DiaryFileFault::kUnreadable;
  }
}

// SQLite reports a failed copy on the copy's connection, whichever side failed: a locked or damaged source
// is the source's fault, anything else (a full disk, a read-only folder) the copy's.
bool IsSourceFault(int engineCode) {
  switch (engineCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return true;
    default:
      return false;
  }
}

// Copies the open `source` whole into a new file `building`, which is removed again when the copy fails.
// Throws as the engine does; `sourceFailed` tells whether the source was at fault.
void CopyInto(SqliteConnection& source, const std::string& building, bool& sourceFailed) {
  sourceFailed = false;
  RemoveWithCompanions(building);
  try {
    std::unique_ptr<SqliteConnection> copy = SqliteConnection::CreateNew(building);
    CopyPages(source, *copy);
  } catch (const CDaoException& error) {
    sourceFailed = IsSourceFault(error.EngineCode());
    RemoveWithCompanions(building);
    throw;
  }
}

// Copies cut short by a killed process: never a backup (the name does not end in .mdb), always safe to drop.
void RemoveLeftovers(const std::string& folder) {
  std::vector<std::filesystem::path> leftovers;
  std::error_code error;
  for (std::filesystem::directory_iterator it(FileSystemPath(folder), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().u8string();
    if (name.rfind("memo-", 0) == 0 && name.find(".mdb.tmp") != std::string::npos) leftovers.push_back(it->path());
  }
  for (const auto& leftover : leftovers) std::filesystem::remove(leftover, error);
}

void RemoveUnkept(const std::string& folder, const CalendarDay& today) {
  const std::vector<BackupFile> files = ListBackups(folder);
  std::vector<CalendarDay> days;
  for (const BackupFile& file : files) days.push_back(file.day);
  const std::vector<CalendarDay> kept = BackupsToKeep(days, today, today);
  for (const BackupFile& file : files) {
    if (std::find(kept.begin(), kept.end(), file.day) != kept.end()) continue;
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(file.path), ignored);
  }
}

// A free name for the diary as it was before a restore: no file of that name, nor one SQLite would take as
// belonging to it.
std::string KeptName(const std::string& folder, const CalendarDay& today) {
  const std::string base = folder + "memo-" + DayKey(today) + VESPERAL_BEFORE_RESTORE_SUFFIX;
  const auto taken = [](const std::string& name) {
    bool any = Exists(name) || Exists(name + ".tmp");
    for (const char* companion : kCompanions) any = any || Exists(name + companion);
    return any;
  };
  std::string name = base + ".mdb";
  for (int n = 2; taken(name); ++n) name = base + "-" + std::to_string(n) + ".mdb";
  return name;
}

// Keeps the diary at `diaryPath` as `kept`: through SQLite while it reads as a database (opened for writing,
// so that a journal a crash left beside it is played back first), else byte for byte with whatever SQLite
// left beside it, so that a damaged diary is kept as it is.
bool KeepDiary(const std::string& diaryPath, const std::string& kept, std::string& why) {
  const std::string building = kept + ".tmp";
  bool copied = false;
  try {
    std::unique_ptr<SqliteConnection> source = SqliteConnection::OpenExisting(diaryPath, false);
    bool sourceFailed = false;
    try {
      CopyInto(*source, building, sourceFailed);
      copied = true;
    } catch (const CDaoException& error) {
      if (!sourceFailed) {
        why = error.Description();
        return false;
      }
    }
  } catch (const CDaoException&) {
    // Not readable as a database: kept by its bytes below.
  }
  if (!copied) {
    RemoveWithCompanions(building);
    const auto overwrite = std::filesystem::copy_options::overwrite_existing;
    std::error_code error;
    std::filesystem::copy_file(FileSystemPath(diaryPath), FileSystemPath(building), overwrite, error);
    for (const char* companion : kCompanions)
      if (!error && Exists(diaryPath + companion))
        std::filesystem::copy_file(FileSystemPath(diaryPath + companion), FileSystemPath(kept + companion), overwrite,
                                   error);
    if (error) {
      why = error.message();
      RemoveWithCompanions(building);
      RemoveWithCompanions(kept);
      return false;
    }
  }
  if (Rename(building, kept, why)) return true;
  RemoveWithCompanions(building);
  return false;
}

}  // namespace

DiaryFileCheck CheckDiaryFile(const std::string& path) {
  CDaoDatabase database;
  try {
    database.Open(path, false, true);
    const std::string problem = IntegrityProblem(database.Connection());
    if (!problem.empty()) return {DiaryFileFault::kDamaged, problem};
    CheckTables(database,
                {{diary_table::kTable,
                  {diary_table::kKeyDate, diary_table::kTitle, diary_table::kMeditation, diary_table::kPrayer}}});
  } catch (const CDaoException& error) {
    return {FaultOfCode(error.EngineCode()), error.Description()};
  }
  return {};
}

std::vector<BackupFile> ListBackups(const std::string& folder) {
  std::vector<BackupFile> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(FileSystemPath(folder), error), end; !error && it != end;
       it.increment(error)) {
    const auto day = BackupDayOfName(it->path().filename().u8string());
    std::error_code ignored;
    if (day && it->is_regular_file(ignored)) files.push_back({*day, it->path().u8string()});
  }
  std::sort(files.begin(), files.end(),
            [](const BackupFile& a, const BackupFile& b) { return DayNumber(a.day) < DayNumber(b.day); });
  return files;
}

BackupOutcome MakeDiaryBackup(const std::string& diaryPath, const std::string& folder, const CalendarDay& today) {
  BackupOutcome outcome;
  // Taken before the copy: a change made while it runs shows as a change at the next backup.
  outcome.stamp = DatabaseStamp(diaryPath);
  if (outcome.stamp.empty()) return outcome;
  const auto fail = [&](Result result, const std::string& why) {
    outcome.result = result;
    outcome.engineText = why;
    if (result == Result::kFolderUnwritable) outcome.path = folder;
    return outcome;
  };
  // The diary is opened before the folder is made: an unreadable diary leaves no empty folder behind.
  std::unique_ptr<SqliteConnection> source;
  try {
    source = SqliteConnection::OpenExisting(diaryPath, true);
  } catch (const CDaoException& error) {
    outcome.diary = {FaultOfCode(error.EngineCode()), error.Description()};
    return fail(Result::kDiaryUnreadable, error.Description());
  }
  std::error_code error;
  std::filesystem::create_directories(FileSystemPath(folder), error);
  if (error) return fail(Result::kFolderUnwritable, error.message());
  RemoveLeftovers(folder);

  const std::string target = folder + BackupFileName(today);
  const std::string building = target + ".tmp";
  bool sourceFailed = false;
  try {
    CopyInto(*source, building, sourceFailed);
  } catch (const CDaoException& failure) {
    if (!sourceFailed) return fail(Result::kFolderUnwritable, failure.Description());
    outcome.diary = {FaultOfCode(failure.EngineCode()), failure.Description()};
    return fail(Result::kDiaryUnreadable, failure.Description());
  }
  source.reset();
  outcome.diary = CheckDiaryFile(building);
  if (!outcome.diary.IsGood()) {
    RemoveWithCompanions(building);
    return fail(Result::kCopyFailedCheck, outcome.diary.engineText);
  }
  std::string why;
  if (!Rename(building, target, why)) {
    RemoveWithCompanions(building);
    return fail(Result::kFolderUnwritable, why);
  }
  RemoveUnkept(folder, today);
  outcome.result = Result::kMade;
  outcome.path = target;
  return outcome;
}

RestoreOutcome RestoreDiary(const std::string& diaryPath, const std::string& chosenPath,
                            const std::string& backupFolder, const CalendarDay& today) {
  RestoreOutcome outcome;
  const auto fail = [&](RestoreOutcome::Result result, const std::string& why) {
    outcome.result = result;
    outcome.engineText = why;
    return outcome;
  };
  outcome.chosen = CheckDiaryFile(chosenPath);
  if (!outcome.chosen.IsGood()) return fail(RestoreOutcome::Result::kRefused, outcome.chosen.engineText);

  // The chosen copy is brought beside memo.mdb first, so that the last step is a rename on one disk.
  const std::string building = diaryPath + ".restore";
  try {
    std::unique_ptr<SqliteConnection> source = SqliteConnection::OpenExisting(chosenPath, true);
    bool sourceFailed = false;
    try {
      CopyInto(*source, building, sourceFailed);
    } catch (const CDaoException& failure) {
      if (!sourceFailed) return fail(RestoreOutcome::Result::kCannotReplace, failure.Description());
      throw;
    }
  } catch (const CDaoException& failure) {
    outcome.chosen = {FaultOfCode(failure.EngineCode()), failure.Description()};
    return fail(RestoreOutcome::Result::kRefused, failure.Description());
  }
  const DiaryFileCheck copied = CheckDiaryFile(building);
  if (!copied.IsGood()) {
    RemoveWithCompanions(building);
    outcome.chosen = copied;
    return fail(RestoreOutcome::Result::kRefused, copied.engineText);
  }

  std::string why;
  if (Exists(diaryPath)) {
    std::error_code error;
    std::filesystem::create_directories(FileSystemPath(backupFolder), error);
    const std::string kept = KeptName(backupFolder, today);
    if (error || !KeepDiary(diaryPath, kept, why)) {
      RemoveWithCompanions(building);
      return fail(RestoreOutcome::Result::kCannotKeepPresent, error ? error.message() : why);
    }
    outcome.keptPath = kept;
  }
  // What SQLite left beside the old file would be played back into the new one; it is kept with the old.
  for (const char* companion : kCompanions) {
    std::error_code error;
    std::filesystem::remove(FileSystemPath(diaryPath + companion), error);
    if (error) {
      RemoveWithCompanions(building);
      return fail(RestoreOutcome::Result::kCannotReplace, error.message());
    }
  }
  if (!Rename(building, diaryPath, why)) {
    RemoveWithCompanions(building);
    return fail(RestoreOutcome::Result::kCannotReplace, why);
  }
  outcome.result = RestoreOutcome::Result::kRestored;
  return outcome;
}
