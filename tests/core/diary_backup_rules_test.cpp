// The rules of the diary's backups on dates alone: when the day's backup is due, which copies stay, and
// which file names are backups.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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

// Every day from `first` to `last`.
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
    bool folderHasCopy;
    bool due;
  } rows[] = {
      {"no memo.mdb", Record(std::nullopt, ""), "", false, false},
      {"never backed up", Record(std::nullopt, ""), "5-8192-1", false, true},
      {"changed since yesterday's backup", Record(yesterday, "5-8192-1"), "6-8192-2", true, true},
      {"unchanged since yesterday's backup", Record(yesterday, "5-8192-1"), "5-8192-1", true, false},
      {"unchanged, but the folder holds no copy", Record(yesterday, "5-8192-1"), "5-8192-1", false, true},
      {"changed, but today's backup is made", Record(today, "5-8192-1"), "6-8192-2", false, false},
      {"the last backup dated after today (a clock set back)", Record(NextDay(today), "5-8192-1"), "6-8192-2", true,
       true},
  };
  for (const auto& row : rows)
    EXPECT_EQ(IsBackupDue(row.record, today, row.stamp, row.folderHasCopy), row.due) << row.name;
}

TEST(BackupRulesTest, SevenDaysThenTheNewestOfEightWeeksThenOfTwentyFourMonthsAndAlwaysTheNewestGood) {
  const CalendarDay wednesday{2026, 3, 18};
  Days yearsOfDailyCopies = Every({2023, 12, 1}, wednesday);
  Days expectedOfDaily = Every({2026, 3, 12}, wednesday);
  // The weeks before this one (Monday 16 March) reach back to Monday 19 January; the months to March 2024.
  for (const CalendarDay& day :
       Days{{2026, 1, 25}, {2026, 2, 1}, {2026, 2, 8}, {2026, 2, 15}, {2026, 2, 22}, {2026, 3, 1}, {2026, 3, 8}})
    expectedOfDaily.push_back(day);
  for (int month = 2024 * 12 + 2; month < 2026 * 12 + 1; ++month)  // the last day of March 2024 to January 2026
    expectedOfDaily.push_back(PreviousDay({(month + 1) / 12, (month + 1) % 12 + 1, 1}));
  expectedOfDaily.push_back({2026, 2, 28});
  const struct {
    const char* name;
    Days copies;
    CalendarDay today;
    std::optional<CalendarDay> newestGood;
    Days kept;
  } rows[] = {
      {"copies of every day for more than two years", yearsOfDailyCopies, wednesday, wednesday, expectedOfDaily},
      {"a few copies: the newest of each week and month",
       {{2023, 1, 10}, {2025, 11, 5}, {2025, 11, 20}, {2026, 2, 10}, {2026, 2, 12}, {2026, 3, 2}, {2026, 3, 4}},
       wednesday,
       std::nullopt,
       {{2025, 11, 20}, {2026, 2, 12}, {2026, 3, 4}}},
      {"only old copies: the newest good one stays",
       {{2020, 1, 1}, {2020, 6, 1}},
       wednesday,
       CalendarDay{2020, 6, 1},
       {{2020, 6, 1}}},
      {"a clock set back: copies after today stay",
       {{2026, 3, 18}, {2026, 3, 25}},
       wednesday,
       std::nullopt,
       {{2026, 3, 18}, {2026, 3, 25}}},
      {"a week begins on Monday",
       {{2026, 3, 1}, {2026, 3, 2}, {2026, 3, 7}, {2026, 3, 8}},
       CalendarDay{2026, 3, 16},
       std::nullopt,
       {{2026, 3, 1}, {2026, 3, 8}}},
  };
  for (const auto& row : rows) {
    Days kept = row.kept;
    std::sort(kept.begin(), kept.end(), [](auto& a, auto& b) { return DayNumber(a) < DayNumber(b); });
    EXPECT_EQ(BackupsToKeep(row.copies, row.today, row.newestGood), kept) << row.name;
  }
}

// Thinned day after day, the copies left are those the rule keeps of every copy ever made: nothing it would
// keep later was let go earlier, and the folder never holds more than 39 copies.
TEST(BackupRulesTest, ThinningDayAfterDayKeepsWhatTheRuleKeepsOfAllCopiesEverMade) {
  const CalendarDay first{2024, 1, 1};
  Days all, present;
  CalendarDay day = first;
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
  const struct {
    const char* name;
    std::optional<CalendarDay> day;
  } rows[] = {
      {"memo-20260318.mdb", CalendarDay{2026, 3, 18}},
      {"memo-20260230.mdb", std::nullopt},
      {"memo-20260318.mdb.tmp", std::nullopt},
      {u8"memo-20260318-되살리기전.mdb", std::nullopt},
      {"Memo-20260318.mdb", std::nullopt},
      {"memo-2026031.mdb", std::nullopt},
      {"memo.mdb", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(BackupDayOfName(row.name), row.day) << row.name;
}

}  // namespace
