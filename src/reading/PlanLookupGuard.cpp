// The day lookup's guard: a plan file that passed the checks at its opening but fails a lookup, for any
// reason of the file (damaged pages, an I/O error, a step past the bound on work, a text past the bound on
// length), is refused as a file that cannot be opened. Its dates show the no-passage page, the user is told
// once, and the window goes on without querying it again.
#include "reading/ReadingPlan.h"

DayLookup CReadingPlan::LookUpDay(int year, int month, int day) {
  DayLookup lookup;
  try {
    lookup.day = ReadDay(year, month, day, lookup.notices);
  } catch (const CDaoException& error) {
    Refuse(year, error, lookup.notices);
    lookup.day = NoPlanDay(year, month, day);
  }
  return lookup;
}
