// The day lookup's guard: a plan file that passed the checks at its opening but fails a lookup, for any
// reason of the file (damaged pages, an I/O error, a step past the bound on work, a text past the bound on
// length), is refused as a file that cannot be opened. Its dates show the no-passage page, the user is told
// once, and the window goes on without querying it again.
#include "reading/ReadingPlan.h"

DayLookup CReadingPlan::LookUpDay(const CalendarDay& date) {
  DayLookup lookup;
  try {
    lookup.day = ReadDay(date, lookup.notices);
  } catch (const CDaoException& error) {
    Refuse(date.year, error, lookup.notices);
    lookup.day = NoPlanDay(date);
  }
  return lookup;
}
