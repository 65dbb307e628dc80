// plancompile: turns a UTF-8 plan source into the reading-plan database of one year.
//   plancompile --year 2026 SOURCE.txt OUT.dat
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "PlanSource.h"
#include "PlanWriter.h"
#include "SourceError.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: plancompile --year YEAR SOURCE.txt OUT.dat\n");
  return 2;
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
  int year = 0;
  std::string source, out;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--year") == 0 && i + 1 < argc) {
      if (!ParseYear(argv[++i], year)) {
        std::fprintf(stderr, "plancompile: --year needs a year from 1 to 9999\n");
        return 2;
      }
    } else if (source.empty()) {
      source = argv[i];
    } else if (out.empty()) {
      out = argv[i];
    } else {
      return Usage();
    }
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
