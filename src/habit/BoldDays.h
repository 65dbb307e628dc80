#pragma once
// The read days as a month calendar shows them in bold: one word per shown month, bit 0 for the 1st up to
// bit 30 for the 31st, the form the calendar control takes its day states in. The calendar asks for a run
// of whole months, also the partly shown ones before and after its own.
#include <cstdint>
#include <vector>

#include "habit/ReadMarks.h"

// `count` months from `month` of `year` (1..12) on; months outside the years 1..9999 have no bold day.
std::vector<uint32_t> BoldDayBits(const ReadMarks& marks, int year, int month, int count);
