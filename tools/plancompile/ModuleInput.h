#pragma once
// The plan compiler's second input: a Bible module of the SWORD library and a schedule.
#include <string>

#include "ModulePlan.h"

struct ModuleInput {
  std::string module;
  std::string scheduleFile;  // a schedule file, or
  std::string generate;      // "bible" or "parallel"
  PlanTitles titles;
};

// Builds the plan of `year` and writes it to outPath; reports faults on stderr. Returns the exit code.
int CompileFromModule(const ModuleInput& input, int year, const std::string& outPath);
