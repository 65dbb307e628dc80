#pragma once
// A day of the reading plan as plain text, for the clipboard and for screen readers. Lines end in CR LF, as
// Windows text does.
#include <string>

#include "reading/ReadingDay.h"

// The verses, one "number text" line each; a day without a reading gives `noPassage`.
std::string DayVersesText(const ReadingDay& day, const std::string& noPassage);

// The range on the first line, then the verses: what "본문 복사" and Ctrl+C copy. A day without a reading,
// which has no range, gives `noPassage` alone.
std::string DayPlainText(const ReadingDay& day, const std::string& noPassage);
