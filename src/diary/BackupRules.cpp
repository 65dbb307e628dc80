#include "diary/BackupRules.h"

#include <algorithm>
#include <map>

namespace {

constexpr char kPrefix[] = "memo-";
constexpr char kSuffix[] = ".mdb";
constexpr long kDailyDays = 7;
constexpr long kWeeks = 8;
constexpr long kMonths = 24;

long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// Calendar weeks from Monday; day number 0 (1 January 1970) was a Thursday, so day 4 began a week.
long WeekOf(long dayNumber) { return FloorDiv(dayNumber - 4, 7); }
long MonthOf(const CalendarDay& day) { return day.year * 12L + day.month - 1; }

}  // namespace

std::string BackupFileName(const CalendarDay& day) { return kPrefix + DayKey(day) + kSuffix; }

std::optional<CalendarDay> BackupDayOfName(const std::string& fileName) {
  const size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
  if (fileName.size() != prefix + 8 + suffix || fileName.compare(0, prefix, kPrefix) != 0 ||
      fileName.compare(prefix + 8, suffix, kSuffix) != 0)
    return std::nullopt;
  return ParseDayKey(fileName.substr(prefix, 8));
}

bool IsBackupDue(const BackupSettings& record, const CalendarDay& today, const std::string& stamp, bool folderHasCopy) {
  if (stamp.empty()) return false;
  if (record.last && record.last->day == today) return false;
  return !folderHasCopy || stamp != record.lastStamp;
}

std::vector<CalendarDay> BackupsToKeep(const std::vector<CalendarDay>& days, const CalendarDay& today,
                                       const std::optional<CalendarDay>& newestGood) {
  const long todayNumber = DayNumber(today);
  // The newest copy of each week and of each month, by day number.
  std::map<long, long> newestOfWeek, newestOfMonth;
  for (const CalendarDay& day : days) {
    const long number = DayNumber(day);
    long& week = newestOfWeek.emplace(WeekOf(number), number).first->second;
    week = std::max(week, number);
    long& month = newestOfMonth.emplace(MonthOf(day), number).first->second;
    month = std::max(month, number);
  }
  std::vector<CalendarDay> kept;
  for (const CalendarDay& day : days) {
    const long number = DayNumber(day);
    const long weeksBack = WeekOf(todayNumber) - WeekOf(number);
    const long monthsBack = MonthOf(today) - MonthOf(day);
    const bool keep = todayNumber - number < kDailyDays ||
                      (newestOfWeek[WeekOf(number)] == number && weeksBack >= 1 && weeksBack <= kWeeks) ||
                      (newestOfMonth[MonthOf(day)] == number && monthsBack >= 1 && monthsBack <= kMonths) ||
                      (newestGood && *newestGood == day);
    if (keep) kept.push_back(day);
  }
  std::sort(kept.begin(), kept.end(),
            [](const CalendarDay& a, const CalendarDay& b) { return DayNumber(a) < DayNumber(b); });
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  return kept;
}
