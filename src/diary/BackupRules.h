#pragma once
// The rules of the diary's automatic backups, on dates alone: when the day's backup is due, which copies
// are kept, and how a copy is named. The files themselves are DiaryBackup's.
#include <optional>
#include <string>
#include <vector>

#include "habit/BackupSettings.h"
#include "base/CalendarDay.h"

// A backup is named by the day it was made: memo-YYYYMMDD.mdb.
std::string BackupFileName(const CalendarDay& day);
// The day of a file name of that form exactly; any other name is no backup of ours.
std::optional<CalendarDay> BackupDayOfName(const std::string& fileName);

// Asked at each opening of the diary and at the program's end: the day's backup is made at the first of
// these moments at which memo.mdb (its stamp now, `stamp`; empty without a file) differs from what the last
// backup copied, or the backup folder holds no copy at all (a new folder, or one emptied by hand); once a day.
bool IsBackupDue(const BackupSettings& record, const CalendarDay& today, const std::string& stamp, bool folderHasCopy);

// The copies kept of those made on `days`, on `today`: every copy of the last seven days (today and the six
// before it); the newest copy of each of the eight calendar weeks (Monday to Sunday) before this week; the
// newest copy of each of the 24 calendar months before this month; and always `newestGood`, the newest copy
// known to be good, however old. Copies dated after today (a clock set back) are kept. The newest copy of a
// week or month that is over never changes, so a copy once let go would never have been kept later.
// Returns the kept days in order.
std::vector<CalendarDay> BackupsToKeep(const std::vector<CalendarDay>& days, const CalendarDay& today,
                                       const std::optional<CalendarDay>& newestGood);
