#include "ModuleInput.h"

#include <cstdio>
#include <fstream>

#include "PlanWriter.h"
#include "ScheduleFile.h"
#include "SourceError.h"
#include "SwordBible.h"
#include "TextCheck.h"

namespace {

// A title given on the command line must be showable as it is.
bool CheckTitle(const char* option, const std::string& title) {
  std::optional<std::string> fault;
  if (title.empty()) fault = "is empty";
  if (!fault) fault = FindUtf8Fault(title);
  if (fault) std::fprintf(stderr, "plancompile: %s: %s\n", option, fault->c_str());
  return !fault;
}

}  // namespace

int CompileFromModule(const ModuleInput& input, int year, const std::string& outPath) {
  if (!CheckTitle("--year-title", input.titles.year) || !CheckTitle("--month-title", input.titles.month)) return 2;
  ScheduleKind kind = ScheduleKind::WholeBible;
  if (input.scheduleFile.empty()) {
    if (input.generate == "parallel") {
      kind = ScheduleKind::Parallel;
    } else if (input.generate != "bible") {
      std::fprintf(stderr, "plancompile: --generate takes bible or parallel\n");
      return 2;
    }
  }
  try {
    SwordBible bible(input.module);
    Schedule schedule;
    if (input.scheduleFile.empty()) {
      schedule = MakeSchedule(bible.Outline(), kind, year);
    } else {
      std::ifstream in(input.scheduleFile, std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "plancompile: cannot read %s\n", input.scheduleFile.c_str());
        return 1;
      }
      schedule = ParseScheduleFile(in, input.scheduleFile, bible);
    }
    const PlanSource plan = MakeModulePlan(schedule, bible.Outline(), bible, input.titles);
    if (plan.days.empty()) {
      std::fprintf(stderr, "plancompile: module %s gives no verse for any day\n", bible.Name().c_str());
      return 1;
    }
    WritePlanFile(plan, year, outPath);
  } catch (const SourceError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  } catch (const ModuleError& e) {
    std::fprintf(stderr, "plancompile: %s\n", e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plancompile: %s: %s\n", outPath.c_str(), e.what());
    return 1;
  }
  return 0;
}
