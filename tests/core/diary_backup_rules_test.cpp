// The rules of the diary's backups on dates alone: when the day's backup is due, which copies stay, and
// which file names are backups.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "HabitPrinters.h"
#include "diary/BackupRules.h"

namespace {

using Days = std::vector<CalendarDay>;

BackupSettings Record(std::optional<CalendarDay> last, const std::string& stamp) {
  BackupSettings record;
  if (last) record.last = LocalTime{*last, 9 * 3600};
  record.lastStamp = stamp;
  return record;
}

// Days written as "YYYYMMDD YYYYMMDD ...".
Days Keys(const std::string& keys) {
  Days days;
  std::istringstream in(keys);
  for (std::string key; in >> key;) days.push_back(*ParseDayKey(key));
  return days;
}

Days Every(CalendarDay first, const CalendarDay& last) {
  Days days;
  for (; DayNumber(first) <= DayNumber(last); first = NextDay(first)) days.push_back(first);
  return days;
}

TEST(BackupRulesTest, TheDaysBackupIsDueOnceADayWhenTheDiaryChangedOrTheFolderHoldsNoCopy) {
  const CalendarDay today{2026, 3, 18}, yesterday{2026, 3, 17};
  const struct {
    const char* name;
    BackupSettings record;
    std::string stamp;
    bool folderHasCopy, due;
  } rows[] = {
      {"no memo.mdb", Record(std::nullopt, ""), "", false, false},
      {"never backed up", Record(std::nullopt, ""), "5-8192-1", false, true},
      {"changed since yesterday's backup", Record(yesterday, "5-8192-1"), "6-8192-2", true, true},
      {"unchanged since yesterday's backup", Record(yesterday, "5-8192-1"), "5-8192-1", true, false},
      {"unchanged, but no copy in the folder", Record(yesterday, "5-8192-1"), "5-8192-1", false, true},
      {"changed, but today's backup is made", Record(today, "5-8192-1"), "6-8192-2", false, false},
      {"the last backup after today (a clock set back)", Record(NextDay(today), "5"), "6", true, true},
  };
  for (const auto& row : rows)
    EXPECT_EQ(IsBackupDue(row.record, today, row.stamp, row.folderHasCopy), row.due) << row.name;
}

TEST(BackupRulesTest, SevenDaysThenTheNewestOfEightWeeksThenOfTwentyFourMonthsAndAlwaysTheNewestGood) {
  // Of daily copies, on Wednesday 18 March: the days back to Thursday 12 March; the newest of each week back to
  // that of Monday 19 January; the last day of each month back to March 2024.
  Days ofDaily = Every({2026, 3, 12}, {2026, 3, 18});
  for (const CalendarDay& day : Keys("20260125 20260201 20260208 20260215 20260222 20260228 20260301 20260308"))
    ofDaily.push_back(day);
  for (int month = 2024 * 12 + 2; month < 2026 * 12 + 1; ++month)
    ofDaily.push_back(PreviousDay({(month + 1) / 12, (month + 1) % 12 + 1, 1}));
  std::sort(ofDaily.begin(), ofDaily.end(), [](auto& a, auto& b) { return DayNumber(a) < DayNumber(b); });
  const struct {
    const char* name;
    Days copies;
    const char *today, *newestGood;
    Days kept;
  } rows[] = {
      {"copies of every day for two years", Every({2023, 12, 1}, {2026, 3, 18}), "20260318", "20260318", ofDaily},
      {"the newest of each week and month", Keys("20230110 20251105 20251120 20260210 20260212 20260302 20260304"),
       "20260318", "", Keys("20251120 20260212 20260304")},
      {"only old copies: the newest good one stays", Keys("20200101 20200601"), "20260318", "20200601",
       Keys("20200601")},
      {"a clock set back: copies after today stay", Keys("20260318 20260325"), "20260318", "",
       Keys("20260318 20260325")},
      {"a week begins on Monday", Keys("20260301 20260302 20260307 20260308"), "20260316", "",
       Keys("20260301 20260308")},
  };
  for (const auto& row : rows)
    EXPECT_EQ(BackupsToKeep(row.copies, *ParseDayKey(row.today), ParseDayKey(row.newestGood)), row.kept) << row.name;
}

// Thinned day after day, the copies left are those the rule keeps of every copy ever made: nothing it would
// keep later was let go earlier, and the folder never holds more than 39 copies.
TEST(BackupRulesTest, ThinningDayAfterDayKeepsWhatTheRuleKeepsOfAllCopiesEverMade) {
  Days all, present;
  CalendarDay day{2024, 1, 1};
  for (int n = 0; n < 1000; ++n, day = NextDay(day)) {
    if (n % 3 == 2) continue;  // days without a change make no copy
    all.push_back(day);
    present.push_back(day);
    present = BackupsToKeep(present, day, day);
    ASSERT_LE(present.size(), 39u) << DayKey(day);
  }
  EXPECT_EQ(present, BackupsToKeep(all, all.back(), all.back()));
}

TEST(BackupRulesTest, OnlyMemoWithARealDayAndMdbNamesABackup) {
  EXPECT_EQ(BackupFileName({2026, 3, 8}), "memo-20260308.mdb");
  EXPECT_EQ(BackupDayOfName("memo-20260318.mdb"), CalendarDay({2026, 3, 18}));
  for (const char* name : {"memo-20260230.mdb", "memo-20260318.mdb.tmp", u8"memo-20260318-되살리기전.mdb",
                           "Memo-20260318.mdb", "memo.mdb"})
    EXPECT_EQ(BackupDayOfName(name), std::nullopt) << name;
}

}  // namespace
