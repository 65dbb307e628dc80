// Real Jet 3 and Jet 4 files, made by the engine itself, kept outside the repository beside it
// (../shared/jet-samples): every table reads as Debian's mdb-export reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "core/JetRows.h"

namespace {

std::set<std::string> ExportTableNames(const std::string& path) {
  std::set<std::string> names;
  FILE* pipe = ::popen(("mdb-tables -1 '" + path + "'").c_str(), "r");
  char line[512];
  while (pipe && std::fgets(line, sizeof line, pipe)) {
    std::string name = line;
    while (!name.empty() && (name.back() == '\n' || name.back() == ' ')) name.pop_back();
    if (!name.empty()) names.insert(name);
  }
  if (pipe) ::pclose(pipe);
  return names;
}

}  // namespace

TEST(JetSamples, EveryTableReadsAsMdbExportReadsIt) {
  const std::filesystem::path folder = VESPERAL_JET_SAMPLES_DIR;
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder << " is missing: the samples lie beside the repository";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".mdb") continue;
    ++files;
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    const JetDatabase db = JetDatabase::Open(path);
    const std::vector<std::string> ours = db.TableNames();
    EXPECT_EQ(std::set<std::string>(ours.begin(), ours.end()), ExportTableNames(path));
    for (const std::string& table : ours) {
      SCOPED_TRACE(table);
      EXPECT_EQ(jet_rows::ReaderRows(db, table), jet_rows::ExportRows(path, table));
    }
  }
  EXPECT_GE(files, 10);
}
