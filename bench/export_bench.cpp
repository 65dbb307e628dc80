// P3: exporting every one of 10,000 diary entries to a text file, against writing the same bytes with fwrite:
// a diary of Korean text, written in code page 949, and the same diary with an emoji in every tenth entry,
// written in UTF-8.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "BenchFiles.h"
#include "db/DaoDatabase.h"
#include "db/DaoRecordset.h"
#include "diary/DiaryExport.h"

namespace {

const std::string& KoreanDiary() {
  static const std::string dir = MakeDiaryFolder(10000, u8"감사");
  return dir;
}

const std::string& EmojiDiary() {
  static const std::string dir = MakeDiaryFolder(10000, u8"\U0001F64F");
  return dir;
}

void ExportThroughTheLayer(benchmark::State& state, const std::string& folder) {
  CDaoDatabase db;
  db.Open(folder + "memo.mdb");
  CDaoRecordset set(&db);
  const std::string path = folder + "export.txt";
  for (auto _ : state) {
    if (WriteDiaryExport(set, true, "", path) != ExportOutcome::kWritten) state.SkipWithError("export failed");
  }
}

// The bytes of the export, written entry by entry with the C library, as a program that already had them would.
void WriteWithFwrite(benchmark::State& state, const std::string& folder) {
  const std::string source = folder + "export-source.txt";
  {
    CDaoDatabase db;
    db.Open(folder + "memo.mdb");
    CDaoRecordset set(&db);
    WriteDiaryExport(set, true, "", source);
  }
  std::ifstream in(source, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t entry = bytes.size() / 10000 + 1;
  const std::string path = folder + "fwrite.txt";
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "w+b");
    for (size_t pos = 0; pos < bytes.size(); pos += entry)
      std::fwrite(bytes.data() + pos, 1, std::min(entry, bytes.size() - pos), file);
    std::fclose(file);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_DiaryExport_Layer(benchmark::State& state) { ExportThroughTheLayer(state, KoreanDiary()); }
BENCHMARK(BM_DiaryExport_Layer)->Unit(benchmark::kMillisecond);

void BM_DiaryExport_Fwrite(benchmark::State& state) { WriteWithFwrite(state, KoreanDiary()); }
BENCHMARK(BM_DiaryExport_Fwrite)->Unit(benchmark::kMillisecond);

void BM_DiaryExportUtf8_Layer(benchmark::State& state) { ExportThroughTheLayer(state, EmojiDiary()); }
BENCHMARK(BM_DiaryExportUtf8_Layer)->Unit(benchmark::kMillisecond);

void BM_DiaryExportUtf8_Fwrite(benchmark::State& state) { WriteWithFwrite(state, EmojiDiary()); }
BENCHMARK(BM_DiaryExportUtf8_Fwrite)->Unit(benchmark::kMillisecond);

}  // namespace
