#pragma once
// The reading window's own texts (UTF-8 in the program), and the message boxes each plan-file
// notice shows, as texts of the string table.
#include <string>
#include <vector>

#include "base/MessageText.h"
#include "reading/PlanNotices.h"

extern const char kReadingAppTitle[];
extern const char kNoPassageText[];

// The texts of the message boxes that tell the user of `notice`, one box each, in order.
std::vector<MessageText> PlanNoticeBoxes(const PlanNotice& notice);
