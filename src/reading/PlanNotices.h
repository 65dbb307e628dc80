#pragma once
// Which problems of which plan files the user has been told about while the reading window runs. Each
// problem of a file is told once: a day step within a year without a usable file must not bring the same
// message box back at every step.
#include <set>
#include <string>
#include <utility>

enum class PlanProblem {
  kCannotOpen,  // the file is missing or cannot be read as a plan
  kWrongYear,   // the file's YEAR table lacks the year it is named after
};

// A problem of a plan file the user is to be told of; the window words it (PlanNoticeBoxes).
struct PlanNotice {
  PlanProblem problem = PlanProblem::kCannotOpen;
  std::string file;  // the file's full path
  int year = 0;      // the year it was opened for
};

class CPlanNotices {
 public:
  // True the first time `problem` is met for `file`; false whenever it was told before.
  bool FirstNotice(const std::string& file, PlanProblem problem);

 private:
  std::set<std::pair<std::string, PlanProblem>> m_told;
};
