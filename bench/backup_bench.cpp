// P4: the day's backup of a diary of 10,000 long entries (about 20 MB): the online copy into a new file,
// its integrity and schema check, the rename and the thinning, against copying the file's bytes alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchFiles.h"
#include "diary/DiaryBackup.h"

namespace {

const std::string& LongDiary() {
  static const std::string dir = MakeDiaryFolder(10000, u8"감사", 1600);
  return dir;
}

void BM_DiaryBackup(benchmark::State& state) {
  const std::string diary = LongDiary() + "memo.mdb";
  const std::string folder = LongDiary() + "backups/";
  for (auto _ : state) {
    if (MakeDiaryBackup(diary, folder, {2026, 3, 10}).result != BackupOutcome::Result::kMade)
      state.SkipWithError("no backup made");
  }
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(diary)) / 1e6;
}
BENCHMARK(BM_DiaryBackup)->Unit(benchmark::kMillisecond);

// The check alone, the part of the backup that reads the copy back.
void BM_DiaryBackup_Check(benchmark::State& state) {
  const std::string diary = LongDiary() + "memo.mdb";
  for (auto _ : state) {
    if (!CheckDiaryFile(diary).IsGood()) state.SkipWithError("check failed");
  }
}
BENCHMARK(BM_DiaryBackup_Check)->Unit(benchmark::kMillisecond);

void BM_DiaryBackup_FileCopy(benchmark::State& state) {
  const std::string diary = LongDiary() + "memo.mdb";
  const std::string copy = LongDiary() + "bytes.mdb";
  for (auto _ : state) std::filesystem::copy_file(diary, copy, std::filesystem::copy_options::overwrite_existing);
}
BENCHMARK(BM_DiaryBackup_FileCopy)->Unit(benchmark::kMillisecond);

}  // namespace
