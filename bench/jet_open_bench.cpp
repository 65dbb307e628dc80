// Files of the older program (Jet): bringing a diary of 10,000 entries of about 2 KB over into our diary,
// and opening a plan of a whole year of about 31,000 verses, with the day lookup afterwards against the
// same plan in our own format. A plain timing program, portable, built natively and for Windows.
// Run with: build/bench/jet_open_bench [runs]   or   scripts/wine-run.sh <build>/jet_open_bench.exe [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/JetTestTables.h"
#include "db/DaoDatabase.h"
#include "db/SqliteConnection.h"
#include "diary/DiaryStore.h"
#include "reading/PlanFileOpen.h"
#include "reading/PlanFileSchema.h"
#include "reading/ReadingPlan.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kYear = 2026;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::filesystem::path NewFolder(const std::filesystem::path& root, int n) {
  const std::filesystem::path folder = root / std::to_string(n);
  std::filesystem::create_directories(folder);
  return folder;
}

std::string ProgramDir(const std::filesystem::path& folder) {
  return folder.u8string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Mean time of a lookup of every day of the plan.
double LookupMicroseconds(const std::string& programDir) {
  CReadingPlan plan(programDir);
  if (!plan.OpenPlanFile(kYear, false).bOpened) return -1;
  const Clock::time_point start = Clock::now();
  int days = 0;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= 28; ++day, ++days) plan.LookUpDay(CalendarDay{kYear, month, day});
  return Milliseconds(start) * 1000 / days;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::random_device seed;
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("vesperal-jet-bench-" + std::to_string(seed()));

  for (int version : {3, 4}) {
    // The diary: 11,700 rows, of which every seventh is deleted, about 2 KB of text each.
    jet_writer::FileSpec diary;
    diary.version = version;
    diary.tables = {jet_test::Diary(11700, 400)};
    const std::string diaryBytes = jet_writer::Write(diary).bytes;
    std::vector<double> imports;
    size_t entries = 0;
    for (int run = 0; run < runs; ++run) {
      const std::filesystem::path folder = NewFolder(root, run);
      WriteFile(folder / "memo.mdb", diaryBytes);
      CDiaryStore store;
      const Clock::time_point start = Clock::now();
      if (!store.OpenDiaryDb(ProgramDir(folder))) return std::fprintf(stderr, "the diary was not brought over\n"), 1;
      imports.push_back(Milliseconds(start));
      entries = static_cast<size_t>(store.Keys().GetCount());
      store.Release();
      std::filesystem::remove_all(folder);
    }
    std::printf(
        "Jet %d diary of %zu entries (%.1f MB): brought over and opened, median %.0f ms (target <= 1000 ms "
        "natively, <= 3000 ms under Wine)\n",
        version, entries, diaryBytes.size() / 1048576.0, Median(imports));

    // The plan: 28 days a month, 93 verses a day.
    jet_writer::FileSpec plan;
    plan.version = version;
    plan.tables = jet_test::Plan(kYear, 336, 93);
    const std::filesystem::path jetFolder = NewFolder(root, 100 + version);
    WriteFile(jetFolder / (std::to_string(kYear) + ".dat"), jet_writer::Write(plan).bytes);
    std::vector<double> opens;
    for (int run = 0; run < 3 * runs; ++run) {
      CReadingPlan reading(ProgramDir(jetFolder));
      const Clock::time_point start = Clock::now();
      if (!reading.OpenPlanFile(kYear, false).bOpened) return std::fprintf(stderr, "the plan did not open\n"), 1;
      opens.push_back(Milliseconds(start));
    }
    // The same plan in our own format, written from what the Jet plan reads as.
    const std::filesystem::path ownFolder = NewFolder(root, 200 + version);
    {
      CDaoDatabase read;
      OpenPlanDatabase(read, ProgramDir(jetFolder) + std::to_string(kYear) + ".dat", kPlanStepLimit);
      read.Connection().Execute("VACUUM INTO '" + ProgramDir(ownFolder) + std::to_string(kYear) + ".dat'");
    }
    std::printf(
        "Jet %d plan of %zu verses: opened, median %.1f ms (target <= 150 ms natively, <= 400 ms under "
        "Wine); a day's lookup afterwards %.0f us, in our own format %.0f us\n",
        version, plan.tables[3].rows.size(), Median(opens), LookupMicroseconds(ProgramDir(jetFolder)),
        LookupMicroseconds(ProgramDir(ownFolder)));
  }
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return 0;
}
