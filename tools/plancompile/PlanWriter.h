#pragma once
// Writes a checked plan source as the reading-plan database of one year.
#include <stdexcept>
#include <string>

#include "PlanSource.h"

class WriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the file through a temporary file beside outPath that is renamed at the end, so outPath is
// either the complete new file or untouched. Throws WriteError; nothing is left behind then.
void WritePlanFile(const PlanSource& plan, int year, const std::string& outPath);
