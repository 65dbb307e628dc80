#pragma once
// The range text of a day, the line in the reading window's header that names its passage:
// whole chapters as "창세기 1-3장", parts of chapters as "요한복음 3:16-21".
#include <string>
#include <vector>

#include "BibleOutline.h"

std::string RangeText(const BibleOutline& outline, const Passage& passage);
// The passages of one day, joined with ", ".
std::string RangeText(const BibleOutline& outline, const std::vector<Passage>& passages);
