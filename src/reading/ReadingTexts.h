#pragma once
// The reading window's own texts (code page 949 in the program) and the message boxes each plan-file
// notice shows.
#include <string>
#include <vector>

#include "reading/PlanNotices.h"

extern const char kReadingAppTitle[];
extern const char kNoPassageText[];

// The texts of the message boxes that tell the user of `notice`, one box each, in order.
std::vector<std::string> PlanNoticeBoxes(const PlanNotice& notice);
