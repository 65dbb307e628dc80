// P3: exporting every one of 10,000 diary entries to a text file, against writing the same bytes with fwrite.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "BenchFiles.h"
#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryExport.h"

namespace {

const std::string& DiaryFolder() {
  static const std::string dir = MakeDiaryFolder(10000, u8"감사");
  return dir;
}

void BM_DiaryExport_Layer(benchmark::State& state) {
  CDaoDatabase db;
  db.Open(DiaryFolder() + "memo.mdb");
  CDaoRecordset set(&db);
  const std::string path = DiaryFolder() + "export.txt";
  for (auto _ : state) {
    if (WriteDiaryExport(set, true, "", path) != ExportOutcome::kWritten) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_DiaryExport_Layer)->Unit(benchmark::kMillisecond);

// The bytes of the export, written entry by entry with the C library, as a program that already had them would.
void BM_DiaryExport_Fwrite(benchmark::State& state) {
  const std::string source = DiaryFolder() + "export-source.txt";
  {
    CDaoDatabase db;
    db.Open(DiaryFolder() + "memo.mdb");
    CDaoRecordset set(&db);
    WriteDiaryExport(set, true, "", source);
  }
  std::ifstream in(source, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t entry = bytes.size() / 10000 + 1;
  const std::string path = DiaryFolder() + "fwrite.txt";
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "w+b");
    for (size_t pos = 0; pos < bytes.size(); pos += entry)
      std::fwrite(bytes.data() + pos, 1, std::min(entry, bytes.size() - pos), file);
    std::fclose(file);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DiaryExport_Fwrite)->Unit(benchmark::kMillisecond);

}  // namespace
