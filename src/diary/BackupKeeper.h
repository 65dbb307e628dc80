#pragma once
// The diary's backups as the program keeps them for one program folder: the folder in use (the user's
// choice in Vesperal.ini, else 백업 beside memo.mdb), the day's automatic backup with the record that tells
// whether it is due, "지금 백업", the choice of a folder and the restore, each ending in what the user is to
// be told. Portable: the window layer passes the local time and shows the messages.
#include <string>

#include "base/MessageText.h"
#include "base/ProgramFiles.h"
#include "diary/DiaryBackup.h"
#include "diary/DiaryUnavailable.h"
#include "habit/BackupSettings.h"

class CBackupKeeper {
 public:
  // `programDir` holds memo.mdb and Vesperal.ini and ends in its separator; the settings are read here.
  explicit CBackupKeeper(std::string programDir);

  const std::string& ProgramDir() const { return m_strProgramDir; }
  const BackupSettings& Settings() const { return m_settings; }
  std::string DiaryPath() const { return DiaryFilePath(m_strProgramDir); }
  // The folder in use, ending in the program folder's separator.
  std::string Folder() const;

  // The day's backup, at the diary's first opening and at the program's end: made when due (BackupRules).
  // A folder that cannot be written, or a copy that fails its check, is told once a day, and only where
  // `canTell` (the program's end tells nothing: the next opening tries again and tells); after it was told,
  // the openings of that day try no more. An unreadable diary is told by the diary itself. Empty: nothing
  // to tell.
  MessageText BackUpWhenDue(const LocalTime& now, bool canTell);
  // "지금 백업": made whatever the schedule says; the message says what happened.
  MessageText BackUpNow(const LocalTime& now);
  // Takes the folder (UTF-8; empty for the default) at once. The message when Vesperal.ini could not be
  // written, once a keeper; the choice then lasts as long as the keeper.
  MessageText ChooseFolder(const std::string& folder);
  // "백업에서 되살리기...": the message says what happened. No diary may be open meanwhile.
  MessageText Restore(const std::string& chosenPath, const LocalTime& now);
  // When the last backup was made ("2026년 3월 7일 09:12"), or that there was none.
  MessageText LastBackupText() const;

 private:
  BackupOutcome Make(const LocalTime& now);
  bool Store();

  std::string m_strProgramDir;
  BackupSettings m_settings;
  bool m_bToldCannotStore = false;
};

