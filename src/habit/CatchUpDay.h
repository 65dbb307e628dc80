#pragma once
// The day "읽지 않은 날로" goes to: the earliest day of today's year, up to and including today, that has
// a reading and is not marked read. None when every such day is marked (or none has a reading).
#include <functional>
#include <optional>

#include "habit/CalendarDay.h"
#include "habit/ReadMarks.h"

// Whether the plan has a reading on the day; the window layer answers it from the plan lookup.
using HasReading = std::function<bool(const CalendarDay& day)>;

std::optional<CalendarDay> FindCatchUpDay(const ReadMarks& marks, const CalendarDay& today,
                                          const HasReading& hasReading);
