#include "reading/ReadingTexts.h"

#include "res/AppTitle.h"
#include "res/TextIds.h"

const char kReadingAppTitle[] = VESPERAL_APP_TITLE;
const char kNoPassageText[] = "해당하는 본문내용이 없습니다.";

std::vector<MessageText> PlanNoticeBoxes(const PlanNotice& notice) {
  switch (notice.problem) {
    case PlanProblem::kCannotOpen:
      return {MessageText(IDS_PLAN_CANNOT_OPEN), MessageText().ThenVerbatim(notice.file)};
    case PlanProblem::kWrongYear:
      return {MessageText(IDS_PLAN_WRONG_YEAR, {std::to_string(notice.year)})};
  }
  return {};
}
