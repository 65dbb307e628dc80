#include "reading/ReadingDay.h"

std::string ReadingDay::DateKey() const { return DayKey(date); }
