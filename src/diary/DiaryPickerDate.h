#pragma once
// The session's calendar dates at the date pickers, which hold local times: a date is given to a picker at
// noon, clear of any change of clocks at midnight.
#include <windows.h>

#include "diary/DiaryDate.h"
#include "ui/LocalDate.h"

inline DiaryDate DateOf(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }

inline SYSTEMTIME PickerTimeOf(const DiaryDate& date) { return MakeLocalTime(date.year, date.month, date.day, 12); }
