// The daily habit: progress over ten years of marks (target under 1 ms), the catch-up day late in a
// year, and marking a day and storing it in memo.mdb (the repaint is measured with the window).
#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "diary/DiaryStore.h"
#include "habit/CatchUpDay.h"
#include "habit/ReadingProgress.h"

namespace {

// Every day of 2017-2026 marked: the run reaches back ten years, the longest walk progress can take.
const ReadMarks& TenYearsOfMarks() {
  static const ReadMarks marks = [] {
    ReadMarks all;
    for (CalendarDay day{2017, 1, 1}; day.year <= 2026; day = NextDay(day)) all.Mark(day);
    return all;
  }();
  return marks;
}

void BM_ProgressOverTenYearsOfMarks(benchmark::State& state) {
  const ReadMarks& marks = TenYearsOfMarks();
  ReadingProgress progress;
  for (auto _ : state) {
    progress = ComputeProgress(marks, {2026, 12, 31});
    benchmark::DoNotOptimize(progress);
  }
  state.counters["run"] = progress.currentRun;
}
BENCHMARK(BM_ProgressOverTenYearsOfMarks)->Unit(benchmark::kMicrosecond);

// Every day up to 30 December marked: the search walks the whole year to find 31 December.
void BM_CatchUpDayAtTheYearsEnd(benchmark::State& state) {
  ReadMarks marks = TenYearsOfMarks();
  marks.Unmark({2026, 12, 31});
  for (auto _ : state) {
    auto day = FindCatchUpDay(marks, {2026, 12, 31}, [](const CalendarDay&) { return true; });
    benchmark::DoNotOptimize(day);
  }
}
BENCHMARK(BM_CatchUpDayAtTheYearsEnd)->Unit(benchmark::kMicrosecond);

// One mark stored (a transaction with a synced journal), then taken off again, on a diary of 1000 entries.
void BM_MarkADayAndStoreIt(benchmark::State& state) {
  static const std::string dir = MakeDiaryFolder(1000, "needle");
  CDiaryStore session;
  if (!session.OpenDiaryDb(dir) || !session.CanMark()) state.SkipWithError("the diary did not open for marking");
  bool marked = false;
  for (auto _ : state) {
    marked = !marked;
    session.SetMarked({2026, 12, 7}, marked);
  }
}
BENCHMARK(BM_MarkADayAndStoreIt)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
