#include "diary/BackupFolder.h"

#include <vector>

#include "diary/DiaryBackup.h"
#include "habit/SettingsFile.h"
#include "res/FolderNames.h"

std::string BackupFolderOf(const std::string& programDir, const BackupSettings& settings) {
  const char separator = programDir.empty() ? '/' : programDir.back();
  if (settings.folder.empty()) return programDir + VESPERAL_BACKUP_FOLDER_NAME + separator;
  const char last = settings.folder.back();
  return last == '/' || last == '\\' ? settings.folder : settings.folder + separator;
}

BackupWhereabouts LocateBackups(const std::string& programDir) {
  BackupWhereabouts where;
  where.folder = BackupFolderOf(programDir, ReadSettingsFile(programDir).backup);
  const std::vector<BackupFile> files = ListBackups(where.folder);
  if (!files.empty()) where.newest = files.back().path;
  return where;
}
