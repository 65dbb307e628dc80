// P1: the day lookup through the database layer, against the same queries prepared and stepped with the
// raw SQLite C API on the same file.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "BenchFiles.h"
#include "reading/ReadingPlan.h"

namespace {
constexpr int kYear = 2026;

const std::string& PlanFolder() {
  static const std::string dir = MakePlanFolder(kYear - 1, kYear + 1, 30);
  return dir;
}

// Walks the days of the year so every lookup asks for another day of the same file.
struct DayWalker {
  int month = 1, day = 1;
  void Next() {
    if (++day > 28) { day = 1; month = month % 12 + 1; }
  }
};

void BM_LookUpDay_Layer(benchmark::State& state) {
  CReadingPlan plan(PlanFolder());
  if (!plan.OpenPlanFile(kYear, true).bOpened) state.SkipWithError("plan file did not open");
  DayWalker walk;
  int verses = 0;
  for (auto _ : state) {
    const DayLookup lookup = plan.LookUpDay(CalendarDay{kYear, walk.month, walk.day});
    verses = lookup.day.VerseCount();
    benchmark::DoNotOptimize(verses);
    walk.Next();
  }
  state.counters["verses"] = verses;
}
BENCHMARK(BM_LookUpDay_Layer);

std::string ColumnText(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

void BM_LookUpDay_RawSqlite(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2((PlanFolder() + std::to_string(kYear) + ".dat").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  DayWalker walk;
  std::string yearTitle, monthTitle, range, sec, body;
  int verses = 0;
  for (auto _ : state) {
    char* sql = sqlite3_mprintf("select * from YEAR where year=%d", kYear);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (sqlite3_step(stmt) == SQLITE_ROW) yearTitle = ColumnText(stmt, 1);
    sqlite3_finalize(stmt);
    sqlite3_free(sql);

    sql = sqlite3_mprintf(
        "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
        "DAYRANGE.order1=DAY.order1 AND MONTH.month=%d AND DAYRANGE.day=%d order by DAY.order2",
        walk.month, walk.day);
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    verses = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      if (verses++ == 0) {
        monthTitle = ColumnText(stmt, 0);
        range = ColumnText(stmt, 1);
      }
      sec = ColumnText(stmt, 2);
      body = ColumnText(stmt, 3);
      benchmark::DoNotOptimize(body.data());
    }
    sqlite3_finalize(stmt);
    sqlite3_free(sql);
    walk.Next();
  }
  sqlite3_close(db);
  state.counters["verses"] = verses;
}
BENCHMARK(BM_LookUpDay_RawSqlite);
}  // namespace
