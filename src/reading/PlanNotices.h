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

// Why a plan file that is there was refused.
enum class PlanFileCause {
  kNone,         // nothing to add: the file is missing, or the problem says it all
  kDamaged,      // not a database, damaged pages, or not a plan's tables
  kTooMuchWork,  // a lookup ran past the bound on work, or met a text past the bound on length
  kUnreadable,   // any other failure to read it (an I/O error, ...): the engine's words say which
};

// A problem of a plan file the user is to be told of; the window words it (PlanNoticeBoxes).
struct PlanNotice {
  PlanProblem problem = PlanProblem::kCannotOpen;
  std::string file;  // the file's full path
  int year = 0;      // the year it was opened for
  PlanFileCause cause = PlanFileCause::kNone;
  std::string engineText;  // for kUnreadable
};

class CPlanNotices {
 public:
  // True the first time `problem` is met for `file`; false whenever it was told before.
  bool FirstNotice(const std::string& file, PlanProblem problem);

 private:
  std::set<std::pair<std::string, PlanProblem>> m_told;
};
