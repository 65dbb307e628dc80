#include "diary/DiaryBackupRun.h"

#include <memory>

#include "ui/AppMessageBox.h"
#include "ui/DatePicker.h"

CBackupKeeper& TheBackupKeeper(const std::string& programDir) {
  static std::unique_ptr<CBackupKeeper> keeper;
  if (!keeper || keeper->ProgramDir() != programDir) keeper = std::make_unique<CBackupKeeper>(programDir);
  return *keeper;
}

void BackUpDiaryOfTheDay(HWND owner, const std::string& programDir) {
  const MessageText told = TheBackupKeeper(programDir).BackUpWhenDue(LocalNow(), true);
  if (!told.IsEmpty()) AppMessageBox(owner, told, MB_OK | MB_ICONEXCLAMATION);
}

void BackUpDiaryAtProgramEnd(const std::string& programDir) {
  TheBackupKeeper(programDir).BackUpWhenDue(LocalNow(), false);
}
