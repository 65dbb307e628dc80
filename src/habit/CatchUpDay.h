#pragma once
// The day "읽지 않은 날로" goes to: the earliest day of today's year, up to and including today, that has
// a reading and is not marked read. When there is none, whether every day with a reading is marked, or
// no day so far has a reading at all (a year without a plan file, or one that cannot be read).
#include <functional>

#include "base/CalendarDay.h"
#include "habit/ReadMarks.h"

// Whether the plan has a reading on the day; the window layer answers it from the plan lookup.
using HasReading = std::function<bool(const CalendarDay& day)>;

struct CatchUp {
  enum class Outcome {
    kFound,      // `day` is the day to go to
    kAllRead,    // every day with a reading so far is marked
    kNoReading,  // no day of the year so far has a reading
  };
  Outcome outcome = Outcome::kNoReading;
  CalendarDay day;

  bool operator==(const CatchUp& other) const {
    return outcome == other.outcome && (outcome != Outcome::kFound || day == other.day);
  }
};

CatchUp FindCatchUpDay(const ReadMarks& marks, const CalendarDay& today, const HasReading& hasReading);
