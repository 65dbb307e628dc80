// P2: the diary search statement (title, meditation and prayer LIKE "*text*") through the database layer,
// against SQLite's own instr() scan of the same table.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>

#include "BenchFiles.h"
#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiarySearch.h"

namespace {
const char* const kNeedleUtf8 = u8"감사";

const std::string& DiaryFolder() {
  static const std::string dir = MakeDiaryFolder(10000, kNeedleUtf8);
  return dir;
}

void BM_DiarySearch_Layer(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(DiaryFolder() + "memo.mdb");
  CDaoRecordset set(&db);
  const std::string needle = kNeedleUtf8;
  const std::string sql = "SELECT keydate FROM VESPERAL WHERE memo1 LIKE \"*" + needle + "*\" OR memo2 LIKE \"*" +
                          needle + "*\" OR memo3 LIKE \"*" + needle + "*\" ORDER BY keydate";
  int found = 0;
  for (auto _ : state) {
    set.Open(dbOpenDynaset, sql);
    found = 0;
    while (!set.IsEOF()) {
      std::string key = FieldValueToText(set.GetFieldValue("keydate"));
      benchmark::DoNotOptimize(key.data());
      ++found;
      set.MoveNext();
    }
    set.Close();
  }
  state.counters["found"] = found;
}
BENCHMARK(BM_DiarySearch_Layer);

// The program's own search over the three fields: every column of the matching entries read, and each
// entry's ticked fields looked at again so that the mark of an empty field does not count.
void BM_DiarySearch_Program(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(DiaryFolder() + "memo.mdb");
  CDaoRecordset set(&db);
  const SearchRequest request{true, true, true, kNeedleUtf8};
  size_t found = 0;
  for (auto _ : state) found = SearchDiary(set, request).size();
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_DiarySearch_Program);

void BM_DiarySearch_RawInstr(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2((DiaryFolder() + "memo.mdb").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  int found = 0;
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT keydate FROM VESPERAL WHERE instr(memo1, ?1) > 0 OR instr(memo2, ?1) > 0 OR "
                       "instr(memo3, ?1) > 0 ORDER BY keydate",
                       -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, kNeedleUtf8, -1, SQLITE_STATIC);
    found = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      std::string key = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
      benchmark::DoNotOptimize(key.data());
      ++found;
    }
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
  state.counters["found"] = found;
}
BENCHMARK(BM_DiarySearch_RawInstr);
}  // namespace
