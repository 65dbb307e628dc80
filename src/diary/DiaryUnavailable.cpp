#include "diary/DiaryUnavailable.h"

#include "diary/BackupFolder.h"
#include "res/TextIds.h"

MessageText DiaryUnavailable::Message() const {
  MessageText message;
  switch (reason) {
    case Reason::kNone:
      return message;
    case Reason::kCannotCreate:
      message.Then(IDS_DIARY_CANNOT_CREATE, {folder});
      break;
    case Reason::kNotADiary:
      message.Then(IDS_DIARY_NOT_A_DIARY, {path});
      break;
    case Reason::kFolderInTheWay:
      message.Then(IDS_DIARY_FOLDER_IN_THE_WAY, {path});
      break;
    case Reason::kEncrypted:
      message.Then(IDS_DIARY_ENCRYPTED, {path});
      break;
    case Reason::kCannotImport:
      message.Then(IDS_DIARY_CANNOT_IMPORT, {path, folder});
      break;
    case Reason::kFileFault:
      message.Then(IDS_DIARY_NOT_OPENED).Then(DescribeEngineFault(fault, path));
      if (fault != EngineFault::kDamaged && fault != EngineFault::kTooMuchWork) message.Then(IDS_DIARY_FILE_UNCHANGED);
      break;
  }
  // A damaged diary, or a file in its place that is none, is what a backup is for.
  if (reason == Reason::kNotADiary || (reason == Reason::kFileFault && fault == EngineFault::kDamaged)) {
    const BackupWhereabouts backups = LocateBackups(folder);
    if (backups.newest.empty())
      message.Then(IDS_DIARY_BACKUP_NONE, {backups.folder});
    else
      message.Then(IDS_DIARY_BACKUP_NEWEST, {backups.newest});
  }
  return message.Then(IDS_DIARY_READING_GOES_ON).ThenEngineText(engineText);
}
