// plancompile: turns a UTF-8 plan source, or a Bible module of the SWORD library with a schedule, into the
// reading-plan database of one year.
//   plancompile --year 2026 SOURCE.txt OUT.dat
//   plancompile --year 2026 --module KJV (--generate bible|parallel | --schedule FILE) OUT.dat
//   plancompile --modules     (the installed Bible texts, one per line, for scripts)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "ModuleCatalog.h"
#include "ModuleInput.h"
#include "PlanSource.h"
#include "PlanWriter.h"
#include "SourceError.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: plancompile --year YEAR SOURCE.txt OUT.dat\n"
               "       plancompile --year YEAR --module NAME (--generate bible|parallel | --schedule FILE)\n"
               "                   [--year-title TITLE] [--month-title TITLE] OUT.dat\n"
               "       plancompile --modules\n"
               "  TITLE may hold {year} and {month}; defaults \"%s\" and \"%s\"\n",
               PlanTitles().year.c_str(), PlanTitles().month.c_str());
  return 2;
}

int CompileModule(const ModuleInput& input, int year, const std::string& out) {
#ifdef VESPERAL_WITH_SWORD
  return CompileFromModule(input, year, out);
#else
  (void)input, (void)year, (void)out;
  std::fprintf(stderr, "plancompile: this build has no SWORD library, so --module is not available\n");
  return 2;
#endif
}

// The installed Bible texts as tab-separated lines: name, abbreviation, language, version, description,
// copyright, licence.
int ListModules() {
#ifdef VESPERAL_WITH_SWORD
  std::fputs(CatalogLines(InstalledBibleModules()).c_str(), stdout);
  return 0;
#else
  std::fprintf(stderr, "plancompile: this build has no SWORD library, so --modules is not available\n");
  return 2;
#endif
}

bool ParseYear(const char* text, int& year) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 1 || value > 9999) return false;
  year = static_cast<int>(value);
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--modules") == 0) return ListModules();
  int year = 0;
  std::string source, out;
  ModuleInput module;
  bool moduleOption = false;  // any option of the module input
  for (int i = 1; i < argc; ++i) {
    const auto option = [&](const char* name) { return std::strcmp(argv[i], name) == 0 && i + 1 < argc; };
    if (option("--year")) {
      if (!ParseYear(argv[++i], year)) {
        std::fprintf(stderr, "plancompile: --year needs a year from 1 to 9999\n");
        return 2;
      }
    } else if (option("--module")) {
      module.module = argv[++i], moduleOption = true;
    } else if (option("--schedule")) {
      module.scheduleFile = argv[++i], moduleOption = true;
    } else if (option("--generate")) {
      module.generate = argv[++i], moduleOption = true;
    } else if (option("--year-title")) {
      module.titles.year = argv[++i], moduleOption = true;
    } else if (option("--month-title")) {
      module.titles.month = argv[++i], moduleOption = true;
    } else if (argv[i][0] == '-' && argv[i][1] == '-') {
      return Usage();
    } else if (source.empty()) {
      source = argv[i];
    } else if (out.empty()) {
      out = argv[i];
    } else {
      return Usage();
    }
  }
  if (moduleOption) {
    // The module input takes the output alone; exactly one schedule.
    if (year == 0 || module.module.empty() || source.empty() || !out.empty() ||
        module.scheduleFile.empty() == module.generate.empty())
      return Usage();
    if (!module.scheduleFile.empty() && SameFile(module.scheduleFile, source)) {
      std::fprintf(stderr, "plancompile: %s would overwrite the schedule\n", source.c_str());
      return 2;
    }
    return CompileModule(module, year, source);
  }
  if (year == 0 || source.empty() || out.empty()) return Usage();
  if (SameFile(source, out)) {
    std::fprintf(stderr, "plancompile: %s would overwrite the source\n", out.c_str());
    return 2;
  }

  std::ifstream in(source, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "plancompile: cannot read %s\n", source.c_str());
    return 1;
  }
  try {
    const PlanSource plan = ParsePlanSource(in, source);
    WritePlanFile(plan, year, out);
  } catch (const SourceError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plancompile: %s: %s\n", out.c_str(), e.what());
    return 1;
  }
  return 0;
}
