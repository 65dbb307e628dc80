#include "diary/JetDiaryImport.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DatabaseFileCheck.h"
#include "db/JetDatabase.h"
#include "db/JetErrors.h"
#include "db/JetPages.h"
#include "db/JetTableCopy.h"
#include "db/SqliteTransaction.h"
#include "diary/DiaryFileTables.h"
#include "diary/DiaryTable.h"
#include "res/TextIds.h"
#include "base/FilePath.h"
#include "db/ClassifyFault.h"

namespace {

using namespace diary_table;
using Reason = DiaryUnavailable::Reason;

constexpr int kMaxKeptNames = 1000;

std::string KeptName(const std::string& programDir, int n) {
  return programDir + (n == 1 ? std::string("memo-jet.mdb") : "memo-jet-" + std::to_string(n) + ".mdb");
}

bool HoldsBytes(const std::string& path, const std::string& bytes) {
  std::error_code error;
  if (std::filesystem::file_size(FileSystemPath(path), error) != bytes.size() || error) return false;
  try {
    return ReadJetFileBytes(path) == bytes;
  } catch (const JetFileError&) {
    return false;
  }
}

DiaryUnavailable Refusal(const JetFileError& error, const std::string& path, const std::string& programDir) {
  switch (error.GetKind()) {
    case JetFileError::Kind::kEncrypted:
      return {Reason::kEncrypted, EngineFault::kOther, path, programDir, error.what()};
    case JetFileError::Kind::kNoSuchTable:
      return {Reason::kNotADiary, EngineFault::kOther, path, programDir, error.what()};
    case JetFileError::Kind::kTooLarge:
      return {Reason::kFileFault, EngineFault::kTooMuchWork, path, programDir, error.what()};
    case JetFileError::Kind::kUnreadable:
      return {Reason::kFileFault, EngineFault::kOther, path, programDir, error.what()};
    default:
      return {Reason::kFileFault, EngineFault::kDamaged, path, programDir, error.what()};
  }
}

// Builds the whole new diary at `building`; throws CDaoException for SQLite, JetFileError for the Jet file.
size_t BuildDiary(const JetDatabase& jet, const std::string& building) {
  CDaoDatabase db;
  db.Create(building, dbLangGeneral, 0);
  SqliteTransaction transaction(db.Connection());
  AppendDiaryTables(db);
  const size_t entries = CopyJetTable(jet, kTable, {kKeyDate, kTitle, kMeditation, kPrayer}, db.Connection());
  transaction.Commit();
  return entries;
}

// Why a new diary could not be built: a full disk or an overlong text as such, a row our table cannot hold
// (a key longer than eight characters) as a file that is not a diary of this program, anything else as a
// folder that cannot be written.
DiaryUnavailable BuildRefusal(const CDaoException& error, const std::string& path, const std::string& programDir) {
  const EngineFault fault = ClassifyEngineCode(error.EngineCode());
  Reason reason = Reason::kCannotImport;
  if (fault == EngineFault::kDiskFull || fault == EngineFault::kTooMuchWork) reason = Reason::kFileFault;
  if (error.EngineCode() == jet::kFieldTooSmall) reason = Reason::kNotADiary;
  return {reason, fault, path, programDir, error.Description()};
}

struct Kept {
  std::string path;  // empty when no copy could be written
  bool madeNow = false;
};

// The Jet file's bytes under the first free name memo-jet[-N].mdb, or the name that already holds them (a
// run cut short before the rename kept them there).
Kept KeepOriginal(const std::string& programDir, const std::string& path, const std::string& bytes) {
  for (int n = 1; n <= kMaxKeptNames; ++n) {
    const std::string kept = KeptName(programDir, n);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(FileSystemPath(kept), error))) {
      if (HoldsBytes(kept, bytes)) return {kept, false};
      continue;
    }
    if (!std::filesystem::copy_file(FileSystemPath(path), FileSystemPath(kept), error)) {
      if (error == std::errc::file_exists) continue;
      return {};
    }
    if (HoldsBytes(kept, bytes)) return {kept, true};
    std::filesystem::remove(FileSystemPath(kept), error);
    return {};
  }
  return {};
}

}  // namespace

bool ImportJetDiary(const std::string& programDir, MessageText& notice, DiaryUnavailable& refusal) {
  const std::string path = programDir + "memo.mdb";
  if (!IsJetFile(path)) return true;
  const std::string building = path + ".new";
  std::error_code ignored;
  const auto removeBuilding = [&] {
    std::filesystem::remove(FileSystemPath(building), ignored);
    std::filesystem::remove(FileSystemPath(building + "-journal"), ignored);
  };
  removeBuilding();  // what a run cut short left
  std::unique_ptr<JetDatabase> jet;
  size_t entries = 0;
  try {
    jet = std::make_unique<JetDatabase>(JetDatabase::Open(path));
    entries = BuildDiary(*jet, building);
  } catch (const JetFileError& error) {
    removeBuilding();
    refusal = Refusal(error, path, programDir);
    return false;
  } catch (const CDaoException& error) {
    removeBuilding();
    refusal = BuildRefusal(error, path, programDir);
    return false;
  }

  const Kept kept = KeepOriginal(programDir, path, jet->FileBytes());
  if (kept.path.empty()) {
    removeBuilding();
    refusal = {Reason::kCannotImport, EngineFault::kNotWritable, path, programDir, ""};
    return false;
  }
  std::error_code error;
  std::filesystem::rename(FileSystemPath(building), FileSystemPath(path), error);
  if (error) {
    // The Jet file stays memo.mdb (Windows will not replace a file another program holds open or one
    // marked read-only), so a copy made for it now is not needed.
    removeBuilding();
    if (kept.madeNow) std::filesystem::remove(FileSystemPath(kept.path), ignored);
    const EngineFault fault = error == std::errc::permission_denied ? EngineFault::kNotWritable : EngineFault::kLocked;
    refusal = {Reason::kFileFault, fault, path, programDir, error.message()};
    return false;
  }
  notice = MessageText(IDS_DIARY_IMPORTED, {std::to_string(entries), kept.path});
  return true;
}
