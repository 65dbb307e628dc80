// Building one year from the installed test module, against the library alone reading every verse of the
// module once as plain text (the same options: notes, Strong's numbers and headings off), and against its raw
// entries. Run: build/bench/module_year_bench --benchmark_repetitions=3
#include <benchmark/benchmark.h>
#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "ModulePlan.h"
#include "PlanWriter.h"
#include "ReadingSchedule.h"
#include "SwordBible.h"

namespace {

constexpr const char* kModule = "engKJV2006eb";

// Every verse of the module read once through the library, as plain text or raw.
void ReadEveryVerse(benchmark::State& state, bool plain) {
  for (auto _ : state) {
    sword::SWMgr mgr(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
    for (const char* option : {"Footnotes", "Strong's Numbers", "Morphological Tags", "Headings", "Cross-references",
                               "Words of Christ in Red", "Lemmas"})
      mgr.setGlobalOption(option, "Off");
    sword::SWModule* module = mgr.getModule(kModule);
    if (!module) return state.SkipWithError("the test module is not installed");
    std::unique_ptr<sword::VerseKey> key(static_cast<sword::VerseKey*>(module->createKey()));
    key->setIntros(false);
    size_t bytes = 0, verses = 0;
    for (key->setPosition(sword::TOP); !key->popError(); key->increment()) {
      module->setKey(*key);
      bytes += plain ? std::strlen(module->stripText()) : module->getRawEntryBuf().length();
      ++verses;
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["verses"] = static_cast<double>(verses);
  }
}

void BM_ReadEveryVerse_LibraryPlain(benchmark::State& state) { ReadEveryVerse(state, true); }
void BM_ReadEveryVerse_LibraryRaw(benchmark::State& state) { ReadEveryVerse(state, false); }

// What `plancompile --module KJV --generate bible` does: open, outline, schedule, verses, write the file.
void BM_BuildYear(benchmark::State& state) {
  const std::string out =
      (std::filesystem::temp_directory_path() / ("module-year-" + std::to_string(getpid()) + ".dat")).string();
  for (auto _ : state) {
    SwordBible bible(kModule);
    const Schedule schedule = MakeSchedule(bible.Outline(), ScheduleKind::WholeBible, 2026);
    const PlanSource plan = MakeModulePlan(schedule, bible.Outline(), bible, PlanTitles());
    WritePlanFile(plan, 2026, out);
    state.counters["days"] = static_cast<double>(plan.days.size());
  }
  std::filesystem::remove(out);
}

BENCHMARK(BM_ReadEveryVerse_LibraryPlain)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadEveryVerse_LibraryRaw)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BuildYear)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
