#pragma once
// The diary's backups in the running program: one keeper for the process (of the program folder it was
// last asked for), the local clock (LocalNow), and the message boxes.
#include <windows.h>

#include <string>

#include "diary/BackupKeeper.h"

// The keeper of `programDir`, made (and Vesperal.ini read) when another folder is asked for.
CBackupKeeper& TheBackupKeeper(const std::string& programDir);

// At each opening of the diary, before any typing can start: the day's backup when due. A failure is told
// over `owner` once a day; the diary goes on either way.
void BackUpDiaryOfTheDay(HWND owner, const std::string& programDir);
// At the program's end: the day's backup when due. Tells nothing: Windows may be ending the session, and the
// next opening tries again and tells.
void BackUpDiaryAtProgramEnd(const std::string& programDir);
