#include "diary/BackupKeeper.h"

#include "diary/BackupFolder.h"

#include "db/SqliteBackup.h"
#include "diary/BackupRules.h"
#include "habit/SettingsFile.h"
#include "res/TextIds.h"

namespace {

using Result = BackupOutcome::Result;

int FaultTextId(DiaryFileFault fault) {
  switch (fault) {
    case DiaryFileFault::kMissing:
      return IDS_FILE_MISSING;
    case DiaryFileFault::kNotADiary:
      return IDS_FILE_NOT_A_DIARY;
    case DiaryFileFault::kDamaged:
      return IDS_FILE_DAMAGED;
    case DiaryFileFault::kLocked:
      return IDS_FILE_LOCKED;
    case DiaryFileFault::kUnreadable:
    case DiaryFileFault::kNone:
      break;
  }
  return IDS_FILE_UNREADABLE;
}

// A backup that was not made, in the user's words; empty for the outcomes nobody needs telling.
MessageText FailureMessage(const BackupOutcome& outcome, const std::string& diaryPath) {
  switch (outcome.result) {
    case Result::kFolderUnwritable:
      return MessageText(IDS_BACKUP_FOLDER_UNWRITABLE, {outcome.path}).ThenEngineText(outcome.engineText);
    case Result::kCopyFailedCheck:
      return MessageText(IDS_BACKUP_COPY_FAILED_CHECK, {diaryPath}).ThenEngineText(outcome.engineText);
    case Result::kDiaryUnreadable:
      return MessageText(IDS_BACKUP_DIARY_UNREADABLE, {diaryPath})
          .Then(FaultTextId(outcome.diary.fault))
          .ThenEngineText(outcome.engineText);
    case Result::kNoDiary:
      return MessageText(IDS_BACKUP_NO_DIARY);
    case Result::kMade:
      break;
  }
  return MessageText();
}

}  // namespace

CBackupKeeper::CBackupKeeper(std::string programDir)
    : m_strProgramDir(std::move(programDir)), m_settings(ReadSettingsFile(m_strProgramDir).backup) {}

std::string CBackupKeeper::Folder() const { return BackupFolderOf(m_strProgramDir, m_settings); }

MessageText CBackupKeeper::BackUpWhenDue(const LocalTime& now, bool canTell) {
  if (canTell && m_settings.failureTold == now.day) return MessageText();
  const std::string stamp = DatabaseStamp(DiaryPath());
  // Without a diary, or with the day's backup made, the folder is not looked at: it may lie on a network
  // drive that is slow to answer.
  if (!IsBackupDue(m_settings, now.day, stamp, false)) return MessageText();
  if (!IsBackupDue(m_settings, now.day, stamp, !ListBackups(Folder()).empty())) return MessageText();
  const BackupOutcome outcome = Make(now);
  const bool told = outcome.result == Result::kFolderUnwritable || outcome.result == Result::kCopyFailedCheck;
  if (!told || !canTell) return MessageText();
  m_settings.failureTold = now.day;
  Store();
  return FailureMessage(outcome, DiaryPath()).Then(IDS_BACKUP_TOLD_DAILY);
}

MessageText CBackupKeeper::BackUpNow(const LocalTime& now) {
  const BackupOutcome outcome = Make(now);
  if (outcome.result == Result::kMade) return MessageText(IDS_BACKUP_MADE, {outcome.path});
  return FailureMessage(outcome, DiaryPath());
}

MessageText CBackupKeeper::ChooseFolder(const std::string& folder) {
  m_settings.folder = folder;
  if (Store() || m_bToldCannotStore) return MessageText();
  m_bToldCannotStore = true;
  return MessageText(IDS_SETTINGS_CANNOT_WRITE, {m_strProgramDir});
}

MessageText CBackupKeeper::Restore(const std::string& chosenPath, const LocalTime& now) {
  const RestoreOutcome outcome = RestoreDiary(DiaryPath(), chosenPath, Folder(), now.day);
  switch (outcome.result) {
    case RestoreOutcome::Result::kRestored: {
      MessageText message(IDS_RESTORE_DONE, {chosenPath});
      if (!outcome.keptPath.empty()) message.Then(IDS_RESTORE_KEPT, {outcome.keptPath});
      return message;
    }
    case RestoreOutcome::Result::kRefused:
      return MessageText(IDS_RESTORE_REFUSED, {chosenPath})
          .Then(FaultTextId(outcome.chosen.fault))
          .ThenEngineText(outcome.engineText);
    case RestoreOutcome::Result::kCannotKeepPresent:
      return MessageText(IDS_RESTORE_CANNOT_KEEP, {Folder()}).ThenEngineText(outcome.engineText);
    case RestoreOutcome::Result::kCannotReplace:
      break;
  }
  return MessageText(IDS_RESTORE_CANNOT_REPLACE, {DiaryPath()}).ThenEngineText(outcome.engineText);
}

MessageText CBackupKeeper::LastBackupText() const {
  if (!m_settings.last) return MessageText(IDS_BACKUP_LAST_NONE);
  const LocalTime& last = *m_settings.last;
  const auto two = [](int n) { return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; };
  return MessageText(IDS_BACKUP_LAST_MADE,
                     {std::to_string(last.day.year), std::to_string(last.day.month), std::to_string(last.day.day),
                      two(last.secondOfDay / 3600) + ":" + two(last.secondOfDay / 60 % 60)});
}

BackupOutcome CBackupKeeper::Make(const LocalTime& now) {
  const BackupOutcome outcome = MakeDiaryBackup(DiaryPath(), Folder(), now.day);
  if (outcome.result == Result::kMade) {
    m_settings.last = LocalTime{now.day, now.secondOfDay / 60 * 60};
    m_settings.lastStamp = outcome.stamp;
    Store();
  }
  return outcome;
}

// A record that cannot be written lasts as long as the keeper; at worst the next start backs up once more.
bool CBackupKeeper::Store() { return WriteBackupSettings(m_strProgramDir, m_settings).written; }
