#include "reading/ReadingDay.h"

#include "diary/DiaryDate.h"

std::string ReadingDay::DateKey() const { return MakeDateKey(nYear, nMonth, nDay); }
