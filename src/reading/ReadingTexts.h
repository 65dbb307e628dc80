#pragma once
// The message boxes each plan-file notice shows, as texts of the string table.
#include <string>
#include <vector>

#include "base/MessageText.h"
#include "reading/PlanNotices.h"

// The texts of the message boxes that tell the user of `notice`, one box each, in order.
std::vector<MessageText> PlanNoticeBoxes(const PlanNotice& notice);
