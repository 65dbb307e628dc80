#pragma once
// Where the diary's backups go: the folder the settings name, or a folder "백업" beside memo.mdb, and the
// newest copy found there (for the message of a damaged diary).
#include <string>

#include "habit/BackupSettings.h"

// The backup folder, ending in a separator.
std::string BackupFolderOf(const std::string& programDir, const BackupSettings& settings);

struct BackupWhereabouts {
  std::string folder;
  std::string newest;  // empty when the folder holds no copy
};

// The folder in use for the diary in `programDir` (as Vesperal.ini names it) and its newest copy.
BackupWhereabouts LocateBackups(const std::string& programDir);
