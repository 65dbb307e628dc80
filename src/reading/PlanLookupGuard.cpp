// The day lookup's guard against a plan file that passed the checks at its opening but makes a lookup run
// past the connection's bound on work or on the length of a text: such a file is refused once, as a file
// that cannot be opened, its dates show the no-passage page, and the window goes on without querying it
// again.
#include "db/DaoException.h"
#include "db/EngineFault.h"
#include "reading/ReadingPlan.h"

DayLookup CReadingPlan::LookUpDay(int year, int month, int day) {
  DayLookup lookup;
  try {
    lookup.day = ReadDay(year, month, day, lookup.notices);
  } catch (const CDaoException& error) {
    if (ClassifyEngineCode(error.EngineCode()) != EngineFault::kTooMuchWork) throw;
    // The query object and the connection go; the next lookup of another year opens its own file.
    Release();
    m_refusedFiles.insert(PlanFileName(year));
    Notice(PlanProblem::kCannotOpen, year, lookup.notices);
    lookup.day = NoPlanDay(year, month, day);
  }
  return lookup;
}
