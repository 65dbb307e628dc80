#pragma once
// What Vesperal.ini keeps for the diary's backups: the folder the user chose, and the record of the last
// backup (when it was made and how memo.mdb stood then), by which the day's backup is skipped when nothing
// changed; and the day an unwritable folder was last told, so that it is told once a day.
#include <optional>
#include <string>

#include "habit/ReminderSchedule.h"

struct BackupSettings {
  std::string folder;                      // UTF-8; empty: the folder 백업 beside memo.mdb
  std::optional<LocalTime> last;           // when the last backup was made (seconds are not kept)
  std::string lastStamp;                   // memo.mdb's stamp at that backup (DatabaseStamp)
  std::optional<CalendarDay> failureTold;  // the day a failed backup was last told

  bool operator==(const BackupSettings& other) const {
    return folder == other.folder && last == other.last && lastStamp == other.lastStamp &&
           failureTold == other.failureTold;
  }
};
