#include "reading/ReadingTexts.h"

#include "res/TextIds.h"

namespace {

// The file's path, and on the lines below it why the file was refused.
MessageText FileAndCause(const PlanNotice& notice) {
  MessageText text;
  text.ThenVerbatim(notice.file);
  switch (notice.cause) {
    case PlanFileCause::kNone:
      break;
    case PlanFileCause::kDamaged:
      text.ThenVerbatim("\n").Then(IDS_PLAN_CAUSE_DAMAGED);
      break;
    case PlanFileCause::kTooMuchWork:
      text.ThenVerbatim("\n").Then(IDS_PLAN_CAUSE_TOO_MUCH_WORK);
      break;
    case PlanFileCause::kUnreadable:
      text.ThenVerbatim("\n").Then(IDS_PLAN_CAUSE_UNREADABLE).ThenEngineText(notice.engineText);
      break;
  }
  return text;
}

}  // namespace

std::vector<MessageText> PlanNoticeBoxes(const PlanNotice& notice) {
  switch (notice.problem) {
    case PlanProblem::kCannotOpen:
      return {MessageText(IDS_PLAN_CANNOT_OPEN), FileAndCause(notice)};
    case PlanProblem::kWrongYear:
      return {MessageText(IDS_PLAN_WRONG_YEAR, {std::to_string(notice.year)})};
  }
  return {};
}
