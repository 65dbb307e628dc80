#pragma once
// The diary's backups as files. A backup is a copy of memo.mdb made with SQLite's online backup into the
// backup folder under a temporary name, checked as a diary, and renamed into place as memo-YYYYMMDD.mdb;
// then the copies that BackupsToKeep lets go are removed. A restore checks the chosen copy, copies it beside
// memo.mdb under a temporary name, keeps the present memo.mdb in the backup folder, and renames the copy over
// memo.mdb. A process killed at any moment of either leaves memo.mdb and every earlier copy whole: nothing is
// written over them but by a rename.
#include <optional>
#include <string>
#include <vector>

#include "base/CalendarDay.h"

// Why a file is no diary to copy or restore from.
enum class DiaryFileFault {
  kNone,
  kMissing,     // no file at the path
  kNotADiary,   // not a database, or one without the diary's table and columns
  kDamaged,     // a database that fails its integrity check
  kLocked,      // another program holds it locked
  kUnreadable,  // anything else the engine refused
};

struct DiaryFileCheck {
  DiaryFileFault fault = DiaryFileFault::kNone;
  std::string engineText;  // the engine's own words, when it said any
  bool IsGood() const { return fault == DiaryFileFault::kNone; }
};

// Reads the file as a diary of ours: a database that passes PRAGMA integrity_check and has the diary's table
// with its columns, as a plain table without triggers. Only reads.
DiaryFileCheck CheckDiaryFile(const std::string& path);

struct BackupFile {
  CalendarDay day;
  std::string path;
};
// The backups in the folder (names of the form memo-YYYYMMDD.mdb), oldest first; none when it cannot be read.
std::vector<BackupFile> ListBackups(const std::string& folder);

struct BackupOutcome {
  enum class Result {
    kMade,
    kNoDiary,           // no memo.mdb: nothing to keep yet
    kDiaryUnreadable,   // memo.mdb could not be read (see `diary`); the diary says why when it is opened
    kCopyFailedCheck,   // the copy read back damaged: memo.mdb has damage its opening did not meet
    kFolderUnwritable,  // the folder could not be made or written (see `engineText`)
  };
  Result result = Result::kNoDiary;
  std::string path;      // the copy made; for kFolderUnwritable the folder
  std::string stamp;     // memo.mdb's stamp as it was copied (DatabaseStamp)
  DiaryFileCheck diary;  // for kDiaryUnreadable and kCopyFailedCheck
  std::string engineText;
};

// Backs up the diary at `diaryPath` into `folder` (ending in a separator; made when missing) as the copy of
// `today`, replacing an earlier copy of the same day, and removes the copies the rules let go.
BackupOutcome MakeDiaryBackup(const std::string& diaryPath, const std::string& folder, const CalendarDay& today);

struct RestoreOutcome {
  enum class Result {
    kRestored,
    kRefused,            // the chosen file is no good diary (see `chosen`); nothing changed
    kCannotKeepPresent,  // the present memo.mdb could not be kept in the backup folder; nothing changed
    kCannotReplace,      // memo.mdb could not be replaced (a read-only folder, a program holding it)
  };
  Result result = Result::kRefused;
  DiaryFileCheck chosen;
  std::string keptPath;  // the present diary as it was kept; empty when there was none
  std::string engineText;
};

// Puts the diary of `chosenPath` in place of `diaryPath`, keeping the present one in `backupFolder` as
// memo-YYYYMMDD-되살리기전.mdb (a number added when that name is taken). No diary may be open meanwhile.
RestoreOutcome RestoreDiary(const std::string& diaryPath, const std::string& chosenPath,
                            const std::string& backupFolder, const CalendarDay& today);
